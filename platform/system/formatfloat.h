#pragma once

#include <QLocale>
#include <QString>

// Delphi-compatible number formatting. Patterns use '0' (digit), '#' (optional digit), '.' (decimal
// separator), ',' (thousands separators on), quoted literals and up to three sections
// "positive;negative;zero". The value is first taken to 15 significant digits, then rounded half away
// from zero to the pattern's decimals, so 1.005 with two decimals gives 1,01 (tr_TR).
QString FormatFloat(const QString &pattern, double value, const QLocale &locale = QLocale());

// General format: 15 significant digits, no trailing zeros, scientific when fixed would not fit.
QString FloatToStr(double value, const QLocale &locale = QLocale());
