// FormatFloat and FloatToStr. Input: a flags byte, the eight bytes of a double, then the pattern as
// UTF-8. Any pattern and value format without raising anything but our exceptions and without
// running away in size; a plain numeric pattern built from the flags gives the value back to within
// its rounding; FloatToStr gives it back to 15 significant digits.

#include "fuzz/fuzzcheck.h"
#include "platform/system/formatfloat.h"

#include <QLocale>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

const QLocale &locale(bool turkish)
{
    static const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    static const QLocale c = QLocale::c();
    return turkish ? tr : c;
}

// The text of a formatted number back to a number: group separators out, '.' as the point. Long
// double, because 15 digits of the largest double are beyond the double range.
long double parseBack(QString text, const QLocale &loc, bool *ok)
{
    text.remove(loc.groupSeparator());
    text.replace(loc.decimalPoint(), QStringLiteral("."));
    const QByteArray latin = text.toLatin1();
    char *end = nullptr;
    const long double d = std::strtold(latin.constData(), &end);
    *ok = !latin.isEmpty() && end == latin.constData() + latin.size();
    return d;
}

QString describe(const QString &pattern, double value, const QString &result)
{
    return QStringLiteral("pattern '%1', value %2, result '%3'")
        .arg(pattern)
        .arg(value, 0, 'g', 17)
        .arg(result);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 9)
        return 0;
    const uint8_t flags = data[0];
    double value;
    std::memcpy(&value, data + 1, sizeof value);
    const QString pattern = QString::fromUtf8(reinterpret_cast<const char *>(data + 9), qsizetype(size - 9));
    const QLocale &loc = locale(flags & 1);

    // Any pattern.
    try {
        const QString result = FormatFloat(pattern, value, loc);
        FUZZ_CHECK(result.size() <= 2 * pattern.size() + 450, describe(pattern, value, result));
    } catch (const Exception &) {
    }

    // FloatToStr: 15 significant digits.
    const QString general = FloatToStr(value, QLocale::c());
    if (std::isfinite(value)) {
        bool ok = false;
        const long double back = parseBack(general, QLocale::c(), &ok);
        FUZZ_CHECK(ok, describe(QString(), value, general));
        FUZZ_CHECK(std::fabs(back - value) <= std::fabs(value) * 6e-15L, describe(QString(), value, general));
    } else {
        FUZZ_CHECK(general == (std::isnan(value) ? QLatin1String("NAN")
                               : value > 0       ? QLatin1String("INF")
                                                 : QLatin1String("-INF")),
                   general);
        return 0;
    }

    // A numeric pattern: "0" or "#,##0", then up to 18 decimals, all '0' or all '#'.
    const bool thousands = flags & 2;
    const bool optional = flags & 4;
    const int decimals = (flags >> 3) % 19;
    QString numeric = thousands ? QStringLiteral("#,##0") : QStringLiteral("0");
    if (decimals > 0)
        numeric += u'.' + QString(decimals, optional ? u'#' : u'0');
    QString result;
    try {
        result = FormatFloat(numeric, value, loc);
    } catch (const Exception &e) {
        fuzzFail("a numeric pattern raised", describe(numeric, value, e.Message()));
    }
    bool ok = false;
    const long double back = parseBack(result, loc, &ok);
    FUZZ_CHECK(ok, describe(numeric, value, result));
    const long double tolerance = 0.5L * std::pow(10.0L, -decimals) * (1 + 1e-9L) + std::fabs(value) * 6e-15L;
    FUZZ_CHECK(std::fabs(back - value) <= tolerance, describe(numeric, value, result));
    FUZZ_CHECK(back == 0 || std::signbit(back) == std::signbit(value), describe(numeric, value, result));
    const qsizetype point = result.indexOf(loc.decimalPoint());
    const qsizetype shown = point < 0 ? 0 : result.size() - point - 1;
    FUZZ_CHECK(optional ? shown <= decimals : shown == decimals, describe(numeric, value, result));
    if (thousands && point != 0) {
        // Groups of three digits left of the point.
        const QString integer = point < 0 ? result : result.left(point);
        const QStringList groups = integer.split(loc.groupSeparator());
        for (qsizetype i = 1; i < groups.size(); ++i)
            FUZZ_CHECK(groups[i].size() == 3, describe(numeric, value, result));
    }
    return 0;
}
