#include "anneal.h"

#include "encoding.h"
#include "objective.h"
#include "random.h"

#include <cinttypes>
#include <cmath>

namespace {
constexpr std::uint32_t uniform_steps = 10000;
constexpr long double uniform_resolution = 0.0001L; // 1 / uniform_steps, in extended precision

// What one run carries from move to move. Besides the vector, it keeps the
// vector's integer value and its objective at full precision up to date, so
// that a move decodes and evaluates only the solution it proposes.
struct run_state {
    std::int32_t* bits;
    std::int32_t* best_bits;
    std::int32_t n;
    std::int32_t full_scale;
    float lower;
    float upper;
    const search_variant* variant;
    float* current_objective; // the running sum of accepted deltas
    std::int32_t k;           // the integer value of bits
    double f;                 // objective of the decoded bits, not narrowed
    float best_objective;
    float best_x;
};

float x_of(const run_state& run, std::int32_t k)
{
    return static_cast<float>(decode_integer(k, run.full_scale, run.lower, run.upper));
}

// Makes the solution of integer value k the current one.
void move_to(run_state& run, std::int32_t k, double f)
{
    run.k = k;
    run.f = f;
}

// Makes the proposed solution the current one. It becomes the best when the
// running objective passes the best one, which only an improvement can do.
void take_move(run_state& run, std::int32_t k, double f, float delta, float x)
{
    *run.current_objective = *run.current_objective + delta;
    move_to(run, k, f);
    if (*run.current_objective > run.best_objective) {
        copy_bits(run.best_bits, run.bits, run.n);
        run.best_objective = *run.current_objective;
        run.best_x = x;
    }
}

// Flips back a refused move. Flipping back restores the vector, except when
// the element held something other than 0 or 1: it became 0, and now 1.
void undo_move(run_state& run, std::int32_t index, std::int32_t new_k)
{
    const std::int32_t k = flip_bit_tracking(run.bits, run.n, index, new_k);
    if (k != run.k)
        move_to(run, k, objective(x_of(run, k)));
}

// Inverts one random bit, then keeps or undoes the inversion.
void make_move(run_state& run, double temperature)
{
    const std::int32_t index = random_below(run.n);
    const std::int32_t new_k = flip_bit_tracking(run.bits, run.n, index, run.k);
    const float new_x = x_of(run, new_k);
    const double new_f = objective(new_x);
    // The old objective enters at full precision; only the difference is narrowed.
    const float delta = static_cast<float>(static_cast<float>(new_f) - run.f);
    const bool taken = delta > 0.0f || (run.variant->rule == move_rule::anneal &&
                                        accepts_worse(delta, temperature));
    if (taken)
        take_move(run, new_k, new_f, delta, new_x);
    else
        undo_move(run, index, new_k);
    if (run.variant->watch != nullptr)
        run.variant->watch({temperature, delta, taken, run.k, *run.current_objective,
                            run.best_objective, run.best_x},
                           run.variant->context);
}

void print_report(std::FILE* out, float best_x, float best_objective, std::int32_t examined)
{
    std::fputs("********* Melhor Solucao obtida pelo SA ************** \n", out);
    std::fprintf(out, "valor de x = %2f \n", static_cast<double>(best_x));
    std::fprintf(out, "funcao objetivo = %3f \n", static_cast<double>(best_objective));
    std::fprintf(out, "Num. de solucoes analisadas = %" PRId32 " \n", examined);
    std::fputs("****************************************************** \n", out);
}
} // namespace

double uniform_between(double lo, double hi)
{
    if (lo == hi)
        return lo;
    const std::uint32_t step = next_random() % uniform_steps;
    return static_cast<double>(step * uniform_resolution * (hi - lo) + lo);
}

bool accepts_worse(float delta, double temperature)
{
    const double draw = uniform_between(0.0, 1.0);
    return std::exp(delta / temperature) > draw;
}

void search_to(const search_variant& variant, std::FILE* out, std::int32_t n,
               std::int32_t full_scale, std::int32_t* bits, float* current_objective,
               double cooling, double initial_temperature, double final_temperature,
               std::int32_t moves_per_level, float lower, float upper)
{
    std::int32_t* best_bits = allocate_bits(n); // may end the process, before any output
    copy_bits(best_bits, bits, n);
    const std::int32_t k = bits_to_integer(bits, n);
    const auto x = static_cast<float>(decode_integer(k, full_scale, lower, upper));
    run_state run{bits,
                  best_bits,
                  n,
                  full_scale,
                  lower,
                  upper,
                  &variant,
                  current_objective,
                  k,
                  objective(x),
                  *current_objective,
                  x};
    std::fprintf(out, "Solucao inicial: fo corrente = %f   valor de fo = %2f \n",
                 static_cast<double>(*current_objective), static_cast<double>(run.best_x));

    std::int32_t levels = 0;
    for (double temperature = initial_temperature; temperature > final_temperature;
         temperature = cooling * temperature) {
        for (std::int32_t move = 0; move < moves_per_level; ++move)
            make_move(run, temperature);
        ++levels;
    }
    print_report(out, run.best_x, run.best_objective, levels * moves_per_level);

    copy_bits(bits, best_bits, n);
    *current_objective = run.best_objective;
    release_bits(best_bits);
}

void anneal_to(std::FILE* out, std::int32_t n, std::int32_t full_scale, std::int32_t* bits,
               float* current_objective, double cooling, double initial_temperature,
               double final_temperature, std::int32_t moves_per_level, float lower, float upper)
{
    search_to({move_rule::anneal, nullptr, nullptr}, out, n, full_scale, bits, current_objective,
              cooling, initial_temperature, final_temperature, moves_per_level, lower, upper);
}

void anneal(std::int32_t n, std::int32_t full_scale, std::int32_t* bits, float* current_objective,
            double cooling, double initial_temperature, double final_temperature,
            std::int32_t moves_per_level, float lower, float upper)
{
    anneal_to(stdout, n, full_scale, bits, current_objective, cooling, initial_temperature,
              final_temperature, moves_per_level, lower, upper);
}
