// The search: its draws, its acceptance rule, and that it does exactly what
// the plain arithmetic of a move does.

#include "anneal.h"
#include "c_style_search.h"
#include "draws.h"
#include "landscape.h"
#include "problem.h"
#include "report.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <tuple>

// A worse move is taken when exp(delta / T) beats the draw r = s / 10000,
// which it does for ceil(10000 exp(delta / T)) of the 10000 values of s.
TEST(acceptance_rule, takes_a_worse_move_with_probability_exp_delta_over_t)
{
    seed_random(5);
    constexpr int draws = 40000;
    const double cases[][2] = {{-0.1, 100}, {-0.1, 0.10243}, {-1, 1}, {-3, 0.5}};
    for (const auto& [delta, temperature] : cases) {
        int taken = 0;
        for (int i = 0; i < draws; ++i)
            taken += accepts_worse(static_cast<float>(delta), temperature) ? 1 : 0;
        const double p = std::ceil(std::exp(delta / temperature) * 10000) / 10000;
        EXPECT_NEAR(taken / double{draws}, p, 5 * std::sqrt(p * (1 - p) / draws)) << delta;
    }
}

// The draw can be 0, so a move whose exp(delta / T) is above 0 is taken one
// time in 10000, however bad; exp(-10000) is 0 and never beats it. A level
// move (delta 0) is always taken.
TEST(acceptance_rule, has_a_floor_of_one_in_10000_and_always_takes_a_level_move)
{
    seed_random(6);
    constexpr int draws = 100000;
    int floor_taken = 0;
    for (int i = 0; i < draws; ++i) {
        floor_taken += accepts_worse(-0.1f, 1e-3) ? 1 : 0;
        ASSERT_FALSE(accepts_worse(-1.0f, 1e-4));
        ASSERT_TRUE(accepts_worse(0.0f, 0.1));
    }
    EXPECT_NEAR(floor_taken, draws / 10000.0, 5 * std::sqrt(draws / 10000.0));
}

// Draws on any interval lie on its grid of 10000 steps; an empty interval
// gives its bound without taking a draw.
TEST(acceptance_rule, draws_lie_on_a_grid_of_10000_steps)
{
    seed_random(5);
    for (int i = 0; i < 1000; ++i) {
        const double step = (uniform_between(-3.0, 5.0) + 3.0) / 8.0 * 10000; // 0 .. 9999
        ASSERT_TRUE(step > -1e-6 && step < 9999 + 1e-6 && std::abs(step - std::round(step)) < 1e-6);
    }
    seed_random(5);
    const std::uint32_t first = next_random();
    seed_random(5);
    EXPECT_EQ(uniform_between(0.5, 0.5), 0.5);
    EXPECT_EQ(next_random(), first);
}

// On (0, 1) a draw is step / 10000 in double, which equals what the same
// step gave in 80-bit long double before, at every one of the 10000 steps.
TEST(acceptance_rule, draws_on_0_1_are_the_extended_precision_ones)
{
    if (std::numeric_limits<long double>::digits < 64)
        GTEST_SKIP() << "long double has no extended precision here";
    seed_random(8);
    std::vector<std::uint32_t> steps(200000);
    for (std::uint32_t& step : steps)
        step = next_random() % 10000;
    seed_random(8);
    for (const std::uint32_t step : steps)
        ASSERT_EQ(uniform_between(0.0, 1.0), static_cast<double>(step * 0.0001L * 1.0 + 0.0));
    EXPECT_EQ(std::set(steps.begin(), steps.end()).size(), 10000u);
}

namespace {
// A start of the exactness test: a grid point, perhaps with one element
// holding 2 (which counts as 0, and which a flip turns into 0).
struct start_case {
    const char* name;
    std::int32_t k;
    std::int32_t two_at; // the element holding 2, or -1
};

// f(1224) is exactly a float, so flipping a 2 into it changes f by exactly 0.
constexpr std::int32_t exact_float_point = 1224;
// A current objective that is not f of the start, as a caller may pass.
constexpr float not_f_of_the_start = 1.25f;

// What a search prints and leaves, and the draw after it.
template <typename Search>
auto search_outcome(Search search, const schedule& plan, const std::vector<std::int32_t>& start,
                    float objective, std::uint32_t seed)
{
    std::vector<std::int32_t> bits = start;
    seed_random(seed);
    const std::string printed =
        captured([&](std::FILE* out) { search(out, problem_grid, plan, bits.data(), &objective); });
    return std::tuple(printed, bits, objective, next_random());
}

// The library's search, reported as the program reports it, with f
// evaluated or looked up in table.
void library_search(const double* table, std::FILE* out, const grid& g, const schedule& plan,
                    std::int32_t* bits, float* objective)
{
    const float start = *objective;
    print_search_report(
        out, start,
        search_from({move_rule::anneal, nullptr, nullptr, table}, g, plan, bits, objective));
}
} // namespace

// The search keeps the current solution's integer value and objective from
// move to move; the plain reference decodes and evaluates both solutions of
// every move. Everything printed and left, and the draws taken, must be the
// same, from every start on every schedule, for six seeds, whether the
// search evaluates f or looks it up in a table; seed 0 starts from an
// objective that is not f of the start.
TEST(annealing_search, matches_the_plain_arithmetic_byte_for_byte)
{
    std::vector<double> table(full_scale + 1);
    fill_objective_table(problem_grid, table.data());
    const auto plain_search = [](std::FILE* out, const grid& g, const schedule& plan,
                                 std::int32_t* bits, float* objective) {
        library_search(nullptr, out, g, plan, bits, objective);
    };
    const auto tabled_search = [&table](std::FILE* out, const grid& g, const schedule& plan,
                                        std::int32_t* bits, float* objective) {
        library_search(table.data(), out, g, plan, bits, objective);
    };
    std::vector<start_case> starts = {{"all zeros", 0, -1},
                                      {"all ones", full_scale, -1},
                                      {"a 2 at the top", exact_float_point, 0},
                                      {"a 2 in the middle", exact_float_point, 8},
                                      {"a 2 at the bottom", exact_float_point, 16}};
    for (const std::int32_t k : {48905, 48911, 48923, 48929}) // the plateau near the top
        starts.push_back({"near the top", k, -1});
    for (const grid_peak& peak : grid_peaks(program_land()))
        starts.push_back({"a local peak", peak.k, -1});
    const std::pair<const char*, schedule> schedules[] = {
        {"the program's", problem_schedule},
        {"a cold one", {0.97f, 0.5, 0.1, 8}},
        {"one so cold that float rounding is refused", {0.97f, 1e-9, 1e-11, 4}},
        {"one that runs no level", {0.97f, 0.1, 0.1, 8}}};
    for (const auto& [plan_name, plan] : schedules)
        for (const start_case& start : starts)
            for (std::uint32_t seed = 0; seed < 6; ++seed) {
                std::vector<std::int32_t> bits(bit_count);
                grid_bits_of(start.k, bits.data());
                if (start.two_at >= 0)
                    bits[static_cast<std::size_t>(start.two_at)] = 2;
                const float f =
                    seed == 0 ? not_f_of_the_start : grid_objective(program_land(), start.k);
                const auto expected = search_outcome(c_style_anneal, plan, bits, f, seed);
                ASSERT_EQ(search_outcome(plain_search, plan, bits, f, seed), expected)
                    << plan_name << ", " << start.name << " " << start.k << ", seed " << seed;
                ASSERT_EQ(search_outcome(tabled_search, plan, bits, f, seed), expected)
                    << "with the table: " << plan_name << ", " << start.k << ", seed " << seed;
            }
}

namespace {
// The moves a watcher saw, and the current solution before the first.
struct watched_moves {
    std::int32_t start_k;
    std::vector<move_report> moves;
};

void keep_move(const move_report& move, void* context)
{
    static_cast<watched_moves*>(context)->moves.push_back(move);
}
} // namespace

// The watcher is told which bit each move flipped and what it drew: a taken
// move moves the current solution along that bit, and a worse move of
// annealing is taken exactly when exp(delta / T) beats its draw. A climber
// and an improving move draw nothing.
TEST(annealing_search, tells_the_watcher_the_bit_and_the_draw_of_every_move)
{
    for (const move_rule rule : {move_rule::anneal, move_rule::climb}) {
        std::vector<std::int32_t> bits(bit_count);
        grid_bits_of(1224, bits.data());
        float objective = grid_objective(program_land(), 1224);
        watched_moves seen{1224, {}};
        seed_random(3);
        search_from({rule, keep_move, &seen, nullptr}, problem_grid, problem_schedule, bits.data(),
                    &objective);
        ASSERT_EQ(seen.moves.size(), 1816u);
        std::int32_t k = seen.start_k;
        int drawn = 0;
        for (const move_report& move : seen.moves) {
            ASSERT_TRUE(move.bit >= 0 && move.bit < bit_count);
            const std::int32_t along = k ^ (1 << (bit_count - 1 - move.bit));
            ASSERT_EQ(move.current_k, move.taken ? along : k);
            if (move.delta > 0 || rule == move_rule::climb) {
                ASSERT_EQ(move.draw, no_draw);
                ASSERT_EQ(move.taken, move.delta > 0);
            } else {
                ASSERT_TRUE(move.draw >= 0 && move.draw < 1);
                ASSERT_EQ(move.taken, std::exp(move.delta / move.temperature) > move.draw);
                ++drawn;
            }
            k = move.current_k;
        }
        EXPECT_EQ(drawn > 0, rule == move_rule::anneal);
    }
}
