#pragma once

// What the fuzz targets share: a broken property aborts with a message, so libFuzzer keeps the input.

#include "platform/system/exception.h"

#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

[[noreturn]] inline void fuzzFail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "Property broken: %s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                                        \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            fuzzFail(#condition, detail);                                                                    \
    } while (false)

// Boost.JSON 1.81 does not always round a decimal to the nearest double: beyond 2^64 or with a
// large exponent, a number read back from the text written for it may be a few units in the last
// place off (relative 3e-16 seen).
inline bool closeDoubles(double a, double b)
{
    const double difference = std::fabs(a - b);
    return a == b || difference <= std::fmax(std::fabs(a), std::fabs(b)) * 1e-15 ||
           difference <= 8 * std::numeric_limits<double>::denorm_min();
}
