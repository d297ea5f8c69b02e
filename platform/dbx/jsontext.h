#pragma once

#include <QString>

#include <boost/json/monotonic_resource.hpp>
#include <boost/json/storage_ptr.hpp>
#include <boost/json/value.hpp>

#include <charconv>
#include <string>
#include <string_view>
#include <type_traits>

// JSON text in and out. Doubles are written as plain shortest decimals ("18", "1.25"), as a
// DataSnap server writes them, rather than Boost's "1.8E1"; NaN and infinities become null.
std::string jsonText(const boost::json::value &value);
void appendJsonText(std::string &out, const boost::json::value &value);
// The pieces, for writers that produce JSON text without building a tree first.
void appendJsonString(std::string &out, std::string_view text);
void appendJsonNumber(std::string &out, double number); // null when not finite
template<class Integer, std::enable_if_t<std::is_integral_v<Integer>, int> = 0>
void appendJsonNumber(std::string &out, Integer number)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    out.append(buffer, result.ptr);
}

// Parses a whole JSON text; raises EDBXError saying what was parsed and where it broke.
// The value lives in one growing block (a shared monotonic resource): big answers parse and free
// much faster than node by node. Move-construct from it to keep that storage.
boost::json::value parseJsonText(std::string_view text, const char *what);
// The same into storage the caller owns: the value and its parts must not outlive it, and in return
// dropping them costs nothing (no walk over a big answer's values to destroy them one by one).
boost::json::value parseJsonText(std::string_view text, const char *what,
                                 boost::json::monotonic_resource &storage);

// UTF-8 of a JSON string as a QString.
inline QString jsonString(const boost::json::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Short JSON kind name for messages ("string", "number", ...).
const char *jsonKindName(const boost::json::value &value);
