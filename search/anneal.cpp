#include "anneal.h"

#include "draws.h"
#include "encoding.h"
#include "objective.h"

#include <cinttypes>
#include <cmath>

namespace {
// What one run carries from move to move. Besides the vector, it keeps the
// vector's integer value and its objective at full precision up to date, so
// that a move decodes and evaluates only the solution it proposes.
struct run_state {
    std::int32_t* bits;
    std::int32_t* best_bits;
    const grid* g;
    const search_variant* variant;
    float* current_objective; // f of the current solution, narrowed
    std::int32_t k;           // the integer value of bits
    double f;                 // objective of the decoded bits, not narrowed
    float best_objective;
    float best_x;
};

float x_of(const run_state& run, std::int32_t k)
{
    return static_cast<float>(decode_integer(k, *run.g));
}

// f at the solution of integer value k, not narrowed: from the table when
// there is one, bit for bit what evaluating gives.
double f_of(const run_state& run, std::int32_t k)
{
    const double* table = run.variant->objective_table;
    return table != nullptr ? table[k] : objective(x_of(run, k));
}

// Makes the solution of integer value k the current one.
void move_to(run_state& run, std::int32_t k, double f)
{
    run.k = k;
    run.f = f;
}

// The solution a move proposes: its integer value and objective, and the
// change of the objective from the current solution, narrowed.
struct proposal {
    std::int32_t k;
    double f;
    float delta;
};

// Makes the proposed solution the current one, with its own objective: the
// value the move's delta was computed from, never a sum of deltas, which
// would drift with their roundings. It becomes the best when its objective
// passes the best one, which only an improvement can do.
void take_move(run_state& run, const proposal& next)
{
    *run.current_objective = static_cast<float>(next.f);
    move_to(run, next.k, next.f);
    if (*run.current_objective > run.best_objective) {
        copy_bits(run.best_bits, run.bits, run.g->bits);
        run.best_objective = *run.current_objective;
        run.best_x = x_of(run, next.k); // decoded only for a new best
    }
}

// Flips back a refused move. Flipping back restores the vector, except when
// the element held something other than 0 or 1: it became 0, and now 1.
void undo_move(run_state& run, std::int32_t index, std::int32_t new_k)
{
    const std::int32_t k = new_k + flip_bit_change(run.bits, run.g->bits, index);
    if (k != run.k)
        move_to(run, k, f_of(run, k));
}

// Inverts one random bit, then keeps or undoes the inversion.
void make_move(run_state& run, double temperature)
{
    const std::int32_t index = random_below(run.g->bits);
    proposal next{run.k + flip_bit_change(run.bits, run.g->bits, index), 0, 0};
    next.f = f_of(run, next.k);
    // The old objective enters at full precision; only the difference is narrowed.
    next.delta = static_cast<float>(static_cast<float>(next.f) - run.f);
    const bool taken = next.delta > 0.0f || (run.variant->rule == move_rule::anneal &&
                                             accepts_worse(next.delta, temperature));
    if (taken)
        take_move(run, next);
    else
        undo_move(run, index, next.k);
    if (run.variant->watch != nullptr)
        run.variant->watch({temperature, next.delta, taken, run.k, *run.current_objective,
                            run.best_objective, run.best_x},
                           run.variant->context);
}

// The label "valor de fo" stands before the starting x, not an objective:
// the program has always printed it so. Nothing when out is null.
void print_start(std::FILE* out, const run_state& run)
{
    if (out != nullptr)
        std::fprintf(out, "Solucao inicial: fo corrente = %f   valor de fo = %2f \n",
                     static_cast<double>(*run.current_objective), static_cast<double>(run.best_x));
}

// The widths of "%2f" and "%3f" are narrower than any number they print,
// so both print as "%f" does: six decimals. Nothing when out is null.
void print_report(std::FILE* out, const run_state& run, std::int32_t examined)
{
    if (out == nullptr)
        return;
    std::fputs("********* Melhor Solucao obtida pelo SA ************** \n", out);
    std::fprintf(out, "valor de x = %2f \n", static_cast<double>(run.best_x));
    std::fprintf(out, "funcao objetivo = %3f \n", static_cast<double>(run.best_objective));
    std::fprintf(out, "Num. de solucoes analisadas = %" PRId32 " \n", examined);
    std::fputs("****************************************************** \n", out);
}
} // namespace

bool accepts_worse(float delta, double temperature)
{
    const double draw = uniform_between(0.0, 1.0);
    return std::exp(delta / temperature) > draw;
}

void fill_objective_table(const grid& g, double* table)
{
    for (std::int32_t k = 0; k <= g.full_scale; ++k)
        table[k] = objective(static_cast<float>(decode_integer(k, g)));
}

void search_to(const search_variant& variant, std::FILE* out, const grid& g, const schedule& plan,
               std::int32_t* bits, float* current_objective)
{
    std::int32_t* best_bits = allocate_bits(g.bits); // may end the process, before any output
    copy_bits(best_bits, bits, g.bits);
    const std::int32_t k = bits_to_integer(bits, g.bits);
    const auto x = static_cast<float>(decode_integer(k, g));
    run_state run{bits, best_bits, &g, &variant, current_objective, k, 0, *current_objective, x};
    run.f = f_of(run, k);
    print_start(out, run);

    std::int32_t levels = 0;
    for (double temperature = plan.initial_temperature; temperature > plan.final_temperature;
         temperature = plan.cooling * temperature) {
        for (std::int32_t move = 0; move < plan.moves_per_level; ++move)
            make_move(run, temperature);
        ++levels;
    }
    print_report(out, run, levels * plan.moves_per_level);

    copy_bits(bits, best_bits, g.bits);
    *current_objective = run.best_objective;
    release_bits(best_bits);
}

// NOLINTBEGIN(bugprone-easily-swappable-parameters): the menu's scalar interface
void anneal_to(std::FILE* out, std::int32_t n, std::int32_t full_scale, std::int32_t* bits,
               float* current_objective, double cooling, double initial_temperature,
               double final_temperature, std::int32_t moves_per_level, float lower, float upper)
{
    search_to({move_rule::anneal, nullptr, nullptr, nullptr}, out, {n, full_scale, lower, upper},
              {cooling, initial_temperature, final_temperature, moves_per_level}, bits,
              current_objective);
}

void anneal(std::int32_t n, std::int32_t full_scale, std::int32_t* bits, float* current_objective,
            double cooling, double initial_temperature, double final_temperature,
            std::int32_t moves_per_level, float lower, float upper)
{
    anneal_to(stdout, n, full_scale, bits, current_objective, cooling, initial_temperature,
              final_temperature, moves_per_level, lower, upper);
}
// NOLINTEND(bugprone-easily-swappable-parameters)
