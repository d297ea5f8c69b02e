#include "catalogue/fiyatbilgisi.h"

#include "platform/grid/gridcolumn.h"
#include "platform/grid/gridstyle.h"
#include "platform/system/formatfloat.h"

#include <QPainter>

namespace {

QString tutar(double value)
{
    return FormatFloat(QStringLiteral("#,###,##0.00"), value);
}

} // namespace

QString FiyatBilgisiMetni(double listeFiyati, double kampanyaFiyati, double netFiyat, double kdvliFiyat)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("Liste Fiyatı: ") + tutar(listeFiyati) + crlf;
    if (kampanyaFiyati > 0)
        text += QStringLiteral("Kampanyalı Fiyat: ") + tutar(kampanyaFiyati) + crlf;
    text += QStringLiteral("NetFiyat: ") + tutar(netFiyat) + crlf;
    text += QStringLiteral("KDV li Fiyat: ") + tutar(kdvliFiyat) + crlf;
    return text;
}

void FiyatBilgisiCiz(QPainter *painter, const GridCustomDrawArgs &args, const GridStyle &style)
{
    const auto number = [&args](const char *field) {
        return args.values.value(QLatin1String(field)).toDouble();
    };
    const QString text =
        FiyatBilgisiMetni(number("LISTEFIYAT1"), number("KAMPFIYAT"), number("NETFIYAT"), number("KDVDAHIL"));
    painter->save();
    painter->fillRect(args.rect, args.selected ? style.selectionBackground : style.background);
    QFont font = style.cellFont;
    if (args.selected && style.selectionBold)
        font.setBold(true);
    painter->setFont(font);
    painter->setPen(args.selected ? style.selectionText : style.text);
    // The last line break would add an empty line to the drawn block.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.chop(1);
    painter->drawText(args.rect.adjusted(10, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap,
                      shown);
    painter->restore();
}
