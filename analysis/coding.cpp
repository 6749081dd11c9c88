#include "coding.h"

#include "anneal.h"
#include "problem.h"

std::vector<double> problem_objective_table(coding code)
{
    std::vector<double> table(static_cast<std::size_t>(problem_grid.full_scale) + 1);
    fill_objective_table(problem_grid, table.data());
    return by_state(code, table);
}

std::vector<double> summed_by_point(const double* p, coding code, std::int32_t width)
{
    const std::int32_t states = problem_grid.full_scale + 1;
    std::vector<double> sums(static_cast<std::size_t>(states / width));
    for (std::int32_t state = 0; state < states; ++state)
        sums[static_cast<std::size_t>(point_of(code, state) / width)] += p[state];
    return sums;
}
