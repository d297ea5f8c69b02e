#pragma once

// Every benchmark prints its figures through these, one line each, so that ./run bench can gather
// them from all programs into one table:
//   @figure <TAB> what <TAB> value <TAB> unit <TAB> target ("<= 25", ">= 400000" or "-") <TAB> ok|MISS|-
// Everything else a benchmark prints is detail for the reader.

#include <cstdio>
#include <string>

namespace bench {

enum class Better { Lower, Higher };

// A figure with its target; returns whether the target was met.
inline bool figure(const std::string &what, double value, const char *unit, double target,
                   Better better = Better::Lower, int decimals = 1)
{
    const bool met = better == Better::Lower ? value <= target : value >= target;
    std::printf("@figure\t%s\t%.*f\t%s\t%s %.10g %s\t%s\n", what.c_str(), decimals, value, unit,
                better == Better::Lower ? "<=" : ">=", target, unit, met ? "ok" : "MISS");
    std::fflush(stdout);
    return met;
}

// A figure for orientation only: printed in the table, judged against nothing.
inline void info(const std::string &what, double value, const char *unit, int decimals = 1)
{
    std::printf("@figure\t%s\t%.*f\t%s\t-\t-\n", what.c_str(), decimals, value, unit);
    std::fflush(stdout);
}

// A figure that could not be measured (the benchmark's set-up failed): always a miss.
inline void failed(const std::string &what, const std::string &why)
{
    std::printf("@figure\t%s\t-\t-\t%s\tMISS\n", what.c_str(), why.c_str());
    std::fflush(stdout);
}

} // namespace bench
