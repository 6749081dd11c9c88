#include "plain_chain.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr std::size_t bits = 17;
constexpr std::int32_t draws = 10000;

void hold_targets(plain_chain& chain, const std::vector<double>& f)
{
    const auto highest = static_cast<float>(*std::max_element(f.begin(), f.end()));
    for (std::size_t k = 0; k < f.size(); ++k) {
        const auto fk = static_cast<float>(f[k]);
        for (std::size_t c = 1; c < 3; ++c)
            if (c == 1 ? fk > chain.target : fk == highest) {
                chain.held[c] += chain.now[c][k];
                chain.now[c][k] = 0.0;
            }
    }
}

// The probability of taking each move, by k * bits + bit. The bars
// exp(delta / T) of the worse moves are sorted, and the draws they are
// above counted one at a time as the bars rise.
std::vector<double> taken(const std::vector<double>& f, bool anneal, double temperature)
{
    std::vector<double> p(f.size() * bits, 0.0);
    std::vector<std::pair<double, std::size_t>> bars;
    for (std::size_t k = 0; k < f.size(); ++k)
        for (std::size_t bit = 0; bit < bits; ++bit) {
            const double to = f[k ^ (std::size_t{1} << bit)];
            const auto delta = static_cast<float>(static_cast<float>(to) - f[k]);
            if (delta > 0.0f)
                p[k * bits + bit] = 1.0;
            else if (anneal)
                bars.emplace_back(std::exp(delta / temperature), k * bits + bit);
        }
    std::sort(bars.begin(), bars.end());
    std::int32_t s = 0;
    for (const auto& [bar, move] : bars) {
        while (s < draws && bar > s / static_cast<double>(draws))
            ++s;
        p[move] = s / static_cast<double>(draws);
    }
    return p;
}
} // namespace

plain_chain plain_start(const std::vector<double>& f, float target)
{
    plain_chain chain;
    chain.target = target;
    for (std::size_t c = 0; c < 3; ++c) {
        chain.now[c].assign(f.size(), 1.0 / static_cast<double>(f.size()));
        chain.held[c] = 0.0;
    }
    hold_targets(chain, f);
    return chain;
}

void plain_level(plain_chain& chain, const std::vector<double>& f, bool anneal, double temperature,
                 std::int32_t moves)
{
    const std::vector<double> p = taken(f, anneal, temperature);
    for (std::int32_t move = 0; move < moves; ++move) {
        for (std::vector<double>& now : chain.now) {
            std::vector<double> next(f.size(), 0.0);
            for (std::size_t k = 0; k < f.size(); ++k)
                for (std::size_t bit = 0; bit < bits; ++bit) {
                    const double share = now[k] / bits;
                    next[k ^ (std::size_t{1} << bit)] += share * p[k * bits + bit];
                    next[k] += share * (1.0 - p[k * bits + bit]);
                }
            now = std::move(next);
        }
        hold_targets(chain, f);
    }
}
