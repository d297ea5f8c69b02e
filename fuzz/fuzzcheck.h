#pragma once

// What the fuzz targets share: a broken property aborts with a message, so libFuzzer keeps the input.

#include "platform/system/exception.h"

#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>

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

// Boost.JSON 1.81 does not always round a long decimal to the nearest double: a number read from
// text may be one unit in the last place off the one written.
inline bool withinOneUlp(double a, double b)
{
    return a == b || std::nextafter(a, b) == b;
}
