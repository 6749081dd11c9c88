// sinc-anneal: maximise a sum of sinc terms over [-2, 2] by simulated
// annealing, driven from a numbered menu.

#include "draws.h"
#include "encoding.h"
#include "menu.h"
#include "objective.h"
#include "output.h"
#include "problem.h"
#include "report.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>

namespace {
// The current objective before option 1: -2^31, a value f never takes.
constexpr float no_solution = -2147483648.0f;

constexpr std::int32_t choice_quit = 0;
constexpr std::int32_t choice_random = 1;
constexpr std::int32_t choice_search = 2;

// Option 1: a fresh random solution, shown and made current.
void show_random_solution(std::int32_t* bits, std::int32_t full_scale, std::int32_t n,
                          float* current_objective)
{
    fill_random_bits(bits, n);
    std::fputs("Solucao aleatoria: v = ", stdout);
    print_bits(bits, n);
    const float x = static_cast<float>(
        decode_bits(bits, full_scale, n, problem_grid.lower, problem_grid.upper));
    *current_objective = static_cast<float>(objective(x));
    // "%2f" and "%3f" print as "%f" does: the widths are narrower than any number.
    std::printf("valor de x = %2f \n", static_cast<double>(x));
    std::printf("funcao objetivo = %3f \n", static_cast<double>(*current_objective));
}

// Option 2: one search from the current solution, or a reminder when there
// is none yet. Either way one character is then dropped: in ordinary use the
// newline that the menu's read left behind.
void search_from_current(std::int32_t* bits, std::int32_t full_scale, std::int32_t n,
                         float* current_objective)
{
    if (*current_objective == no_solution)
        std::fputs("\n ----- Gere uma solucao inicial -------\n", stdout);
    else
        anneal(n, full_scale, bits, current_objective, problem_schedule.cooling,
               problem_schedule.initial_temperature, problem_schedule.final_temperature,
               problem_schedule.moves_per_level, problem_grid.lower, problem_grid.upper);
    std::getchar();
}
} // namespace

int main()
{
    seed_random(static_cast<std::uint32_t>(std::time(nullptr)));
    const std::int32_t n = bit_count_for(problem_precision, problem_grid.lower, problem_grid.upper);
    std::int32_t* bits = allocate_bits(n);
    std::fill_n(bits, n, 1); // all ones: the vector whose value is the full scale
    const std::int32_t full_scale = bits_to_integer(bits, n);
    float current_objective = no_solution;

    std::int32_t choice = choice_quit;
    do {
        choice = read_menu_choice();
        if (choice == choice_random)
            show_random_solution(bits, full_scale, n, &current_objective);
        else if (choice == choice_search)
            search_from_current(bits, full_scale, n, &current_objective);
    } while (choice != choice_quit);
    const int input_status = finish_input("sinc-anneal"); // before anything can change errno

    release_bits(bits);
    const int output_status = finish_output("sinc-anneal");
    return input_status != 0 ? input_status : output_status;
}
