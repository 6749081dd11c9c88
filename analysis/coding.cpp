#include "coding.h"

#include "anneal.h"
#include "problem.h"

std::vector<double> problem_objective_table(coding code)
{
    std::vector<double> table(static_cast<std::size_t>(problem_grid.full_scale) + 1);
    fill_objective_table(problem_grid, table.data());
    return by_state(code, table);
}
