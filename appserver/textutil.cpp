#include "appserver/textutil.h"

#include <QLocale>

#include <cmath>

namespace appserver {

QString searchKey(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case 0x0131: // ı
        case 0x0130: // İ
        case u'i':
            out += u'I';
            break;
        case 0x015F:
        case 0x015E:
            out += u'S';
            break;
        case 0x011F:
        case 0x011E:
            out += u'G';
            break;
        case 0x00FC:
        case 0x00DC:
            out += u'U';
            break;
        case 0x00F6:
        case 0x00D6:
            out += u'O';
            break;
        case 0x00E7:
        case 0x00C7:
            out += u'C';
            break;
        default:
            out += c.toUpper();
        }
    }
    return out;
}

QString compactCode(const QString &code)
{
    QString out;
    for (QChar c : code)
        if (c.isLetterOrNumber())
            out += c;
    return out;
}

double round2(double value)
{
    return std::round(value * 100.0) / 100.0;
}

QString amountText(double value)
{
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return turkish.toString(round2(value), 'f', 2);
}

QString dateText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

QDate dateFromDelphi(double value)
{
    return QDate(1899, 12, 30).addDays(qint64(std::floor(value)));
}

} // namespace appserver
