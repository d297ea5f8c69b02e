#pragma once

#include <QDate>
#include <QString>

namespace appserver {

// Upper case with the Turkish letters folded to their Latin base, the form searches compare in.
QString searchKey(const QString &text);
// A code without blanks and separators, so "W 712/75" also matches "W71275".
QString compactCode(const QString &code);
double round2(double value);
// Amount for documents: 1.234,56
QString amountText(double value);
QString dateText(const QDate &date); // YYYY-MM-DD, the form dates take in tables
QDate dateFromDelphi(double value);  // days since 1899-12-30

} // namespace appserver
