#include "report.h"

#include <cinttypes>

// The widths of "%2f" and "%3f" are narrower than any number they print,
// so both print as "%f" does: six decimals.
void print_search_report(std::FILE* out, float start_objective, const search_result& found)
{
    std::fprintf(out, "Solucao inicial: fo corrente = %f   valor de fo = %2f \n",
                 static_cast<double>(start_objective), static_cast<double>(found.start_x));
    std::fputs("********* Melhor Solucao obtida pelo SA ************** \n", out);
    std::fprintf(out, "valor de x = %2f \n", static_cast<double>(found.best_x));
    std::fprintf(out, "funcao objetivo = %3f \n", static_cast<double>(found.best_objective));
    std::fprintf(out, "Num. de solucoes analisadas = %" PRId32 " \n", found.examined);
    std::fputs("****************************************************** \n", out);
}

// NOLINTBEGIN(bugprone-easily-swappable-parameters): the menu's scalar interface
void anneal(std::int32_t n, std::int32_t full_scale, std::int32_t* bits, float* current_objective,
            double cooling, double initial_temperature, double final_temperature,
            std::int32_t moves_per_level, float lower, float upper)
{
    const float start_objective = *current_objective;
    const search_result found =
        search_from({move_rule::anneal, nullptr, nullptr, nullptr}, {n, full_scale, lower, upper},
                    {cooling, initial_temperature, final_temperature, moves_per_level}, bits,
                    current_objective);
    print_search_report(stdout, start_objective, found);
}
// NOLINTEND(bugprone-easily-swappable-parameters)
