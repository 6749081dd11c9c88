#pragma once
// The search as a Markov chain, written plainly as the README states it:
// from each state k and each of the 17 bits, a move to k ^ 2^bit is taken
// with probability p, so now[k] p / 17 goes there and now[k] (1 - p) / 17
// stays. A worse move is taken on the share of the 10000 draws s / 10000
// that exp(delta / T) is above. The exact engine must give the same
// distributions.

#include <cstdint>
#include <vector>

// Three distributions by state: the search's own, and the same with the
// states whose float f is above target, or the states of the highest float
// f, keeping what reaches them; held[c] is what chain c's targets kept.
struct plain_chain {
    std::vector<double> now[3];
    double held[3];
    float target;
};

// The uniform start over the states of f (f[k] is the objective of state
// k, not narrowed; 2^17 states), the targets' share already held.
plain_chain plain_start(const std::vector<double>& f, float target);

// Carries chain through one level of moves at temperature; anneal false
// takes only the moves that improve.
void plain_level(plain_chain& chain, const std::vector<double>& f, bool anneal, double temperature,
                 std::int32_t moves);
