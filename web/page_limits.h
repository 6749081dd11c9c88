#pragma once
// What the page's panels allow, beside what a run allows (most_examined):
// each keeps a job within what a browser tab holds and a class waits for.

#include <cstdint>

// The most runs of many searches, as sinc-study takes.
inline constexpr std::int64_t page_most_runs = 1000000;

// The most moves per level a form takes.
inline constexpr std::int32_t page_most_moves_per_level = 100000;

// The most moves a watched search makes: the page keeps every one of them.
inline constexpr std::int64_t most_watched = 200000;

// The most moves the exact panel works out, as sinc-study --exact takes:
// minutes of work at one move a level.
inline constexpr std::int64_t most_exact_moves = 50000;

// The watched search's first seed: a walk that finds the highest peak.
inline constexpr std::uint32_t watched_seed = 37;
