#include "platform/system/formatfloat.h"

#include <QStringList>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kPrecision = 15;

// |value| as at most 15 significant decimal digits (no trailing zeros) and the decimal exponent:
// value = 0.d1d2d3... * 10^exponent. Zero gives empty digits.
struct Decimal
{
    QByteArray digits;
    int exponent = 0;
};

Decimal toDecimal(double value)
{
    Decimal d;
    value = std::fabs(value);
    if (value == 0.0 || !std::isfinite(value))
        return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", kPrecision - 1, value);
    // buf looks like "1.23450000000000e+03"
    QByteArray text(buf);
    const int e = text.indexOf('e');
    QByteArray mantissa = text.left(e);
    mantissa.remove(1, 1);
    d.exponent = std::atoi(buf + e + 1) + 1;
    while (mantissa.endsWith('0'))
        mantissa.chop(1);
    d.digits = mantissa;
    return d;
}

// Round to `decimals` places after the point, half away from zero (the digits are of |value|).
Decimal roundTo(Decimal d, int decimals)
{
    const int keep = d.exponent + decimals; // significant digits that stay
    if (keep >= d.digits.size())
        return d;
    if (keep < 0) {
        d.digits.clear();
        d.exponent = 0;
        return d;
    }
    const bool up = d.digits.at(keep) >= '5';
    d.digits.truncate(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits.at(i) == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.prepend('1');
            ++d.exponent;
        } else {
            d.digits[i] = char(d.digits.at(i) + 1);
        }
    }
    while (d.digits.endsWith('0'))
        d.digits.chop(1);
    if (d.digits.isEmpty())
        d.exponent = 0;
    return d;
}

QString groupThousands(const QString &digits, const QString &separator)
{
    QString out;
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits.at(i);
    }
    return out;
}

// Split on ';' outside quotes.
QStringList splitSections(const QString &pattern)
{
    QStringList sections;
    QString current;
    QChar quote;
    for (const QChar c : pattern) {
        if (!quote.isNull()) {
            current += c;
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
            current += c;
        } else if (c == u';') {
            sections << current;
            current.clear();
        } else {
            current += c;
        }
    }
    sections << current;
    return sections;
}

struct Section
{
    QString prefix;
    QString suffix;
    int minInteger = 0;  // '0' placeholders from the first '0' to the point
    int minDecimals = 0; // '0' placeholders after the point (up to the last '0')
    int maxDecimals = 0; // all placeholders after the point
    bool thousands = false;
    bool hasPlaceholder = false;
};

QString unquote(const QString &literal)
{
    QString out;
    QChar quote;
    for (const QChar c : literal) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                out += c;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else {
            out += c;
        }
    }
    return out;
}

Section parseSection(const QString &text)
{
    Section s;
    int first = -1;
    int last = -1;
    QChar quote;
    bool afterPoint = false;
    bool seenZero = false;
    int lastZeroDecimal = 0;
    int decimalCount = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'"' || c == u'\'') {
            quote = c;
            continue;
        }
        if (c == u'0' || c == u'#') {
            s.hasPlaceholder = true;
            if (first < 0)
                first = i;
            last = i;
            if (afterPoint) {
                ++decimalCount;
                if (c == u'0')
                    lastZeroDecimal = decimalCount;
            } else if (c == u'0' || seenZero) {
                seenZero = true;
                ++s.minInteger;
            }
        } else if (c == u'.' && !afterPoint) {
            afterPoint = true;
            if (first < 0)
                first = i;
            last = qMax(last, i);
        } else if (c == u',' && !afterPoint) {
            s.thousands = true;
            if (first < 0)
                first = i;
        }
    }
    s.maxDecimals = decimalCount;
    s.minDecimals = lastZeroDecimal;
    if (first < 0) {
        s.prefix = unquote(text);
        return s;
    }
    s.prefix = unquote(text.left(first));
    s.suffix = unquote(text.mid(last + 1));
    return s;
}

QString formatNumber(const Section &s, const Decimal &rounded, const QLocale &locale)
{
    QString integer;
    QString fraction;
    for (int i = 0; i < rounded.exponent; ++i)
        integer += i < rounded.digits.size() ? QChar(rounded.digits.at(i)) : u'0';
    for (int i = 0; i < s.maxDecimals; ++i) {
        const int idx = rounded.exponent + i;
        fraction += (idx >= 0 && idx < rounded.digits.size()) ? QChar(rounded.digits.at(idx)) : u'0';
    }
    while (integer.size() < s.minInteger)
        integer.prepend(u'0');
    while (fraction.size() > s.minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);
    QString out = s.thousands ? groupThousands(integer, locale.groupSeparator()) : integer;
    if (!fraction.isEmpty())
        out += locale.decimalPoint() + fraction;
    return out;
}

} // namespace

QString FormatFloat(const QString &pattern, double value, const QLocale &locale)
{
    if (std::isnan(value) || std::isinf(value))
        return FloatToStr(value, locale);
    const QStringList sections = splitSections(pattern);
    const Decimal exact = toDecimal(value);
    const bool negative = value < 0 && !exact.digits.isEmpty();

    int index = 0;
    if (exact.digits.isEmpty() && sections.size() >= 3 && !sections.at(2).isEmpty())
        index = 2;
    else if (negative && sections.size() >= 2 && !sections.at(1).isEmpty())
        index = 1;
    const QString text = sections.at(index);
    if (text.isEmpty())
        return FloatToStr(value, locale);

    const Section s = parseSection(text);
    if (!s.hasPlaceholder)
        return s.prefix;
    const Decimal rounded = roundTo(exact, s.maxDecimals);
    QString number = formatNumber(s, rounded, locale);
    // A single section marks negatives with a minus, but not a value that rounded to nothing.
    if (index == 0 && negative && !rounded.digits.isEmpty())
        number.prepend(u'-');
    return s.prefix + number + s.suffix;
}

QString FloatToStr(double value, const QLocale &locale)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    const Decimal d = toDecimal(value);
    if (d.digits.isEmpty())
        return QStringLiteral("0");
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    const QString point = locale.decimalPoint();
    // Fixed while the integer digits fit the precision and the value is at least 0.00001.
    if (d.exponent <= kPrecision && d.exponent >= -4) {
        QString out;
        if (d.exponent <= 0) {
            out = u'0' + point + QString(-d.exponent, u'0') + QString::fromLatin1(d.digits);
        } else {
            for (int i = 0; i < d.exponent; ++i)
                out += i < d.digits.size() ? QChar(d.digits.at(i)) : u'0';
            if (d.digits.size() > d.exponent)
                out += point + QString::fromLatin1(d.digits.mid(d.exponent));
        }
        return sign + out;
    }
    QString mantissa = QString(QChar(d.digits.at(0)));
    if (d.digits.size() > 1)
        mantissa += point + QString::fromLatin1(d.digits.mid(1));
    return sign + mantissa + u'E' + QString::number(d.exponent - 1);
}
