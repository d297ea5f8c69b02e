#include "history/hesaplar.h"

#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridhelpers.h"
#include "platform/system/formatfloat.h"

#include <QDir>
#include <QList>
#include <QPair>

SiparisToplami SiparisToplamHesapla(TClientDataSet &lines)
{
    if (!lines.Active())
        return {};
    const int tutar = lines.fieldIndex(QStringLiteral("TUTAR"));
    const int indirim = lines.fieldIndex(QStringLiteral("INDIRIMTUTAR"));
    if (tutar < 0 || indirim < 0)
        return {};
    QList<QPair<double, double>> amounts;
    amounts.reserve(lines.RecordCount());
    for (int row = 0; row < lines.RecordCount(); ++row)
        amounts.append({lines.value(row, tutar).toDouble(), lines.value(row, indirim).toDouble()});
    return SiparisToplamHesapla(amounts);
}

SiparisToplami SiparisToplamHesapla(const QList<QPair<double, double>> &tutarIndirim)
{
    return ToplamHesapla(tutarIndirim);
}

ToplamYazilari ToplamYazilariniVer(const SiparisToplami &toplam)
{
    const QString para = QStringLiteral("#,###,##0.00");
    return {FormatFloat(para, toplam.toplam), FormatFloat(para, toplam.indirim),
            FormatFloat(para, toplam.net), FormatFloat(para, toplam.vergi),
            FormatFloat(QStringLiteral("#,###,##00.00"), toplam.genel)};
}

void BakiyeHesapla(TClientDataSet &ekstre)
{
    if (!ekstre.Active())
        return;
    TField *borc = ekstre.FindField(QStringLiteral("BORC"));
    TField *alacak = ekstre.FindField(QStringLiteral("ALACAK"));
    TField *bakiye = ekstre.FindField(QStringLiteral("BAKIYE"));
    TField *d = ekstre.FindField(QStringLiteral("D"));
    ekstre.DisableControls();
    double b = 0;
    ekstre.First();
    while (!ekstre.Eof()) {
        ekstre.Edit();
        b = b + ((borc ? borc->AsFloat() : 0) - (alacak ? alacak->AsFloat() : 0));
        if (bakiye)
            bakiye->setValue(b);
        if (d) {
            QString taraf = QStringLiteral(" ");
            if (b > 0)
                taraf = QStringLiteral("B");
            if (b < 0)
                taraf = QStringLiteral("A");
            d->setValue(taraf);
        }
        ekstre.Post();
        ekstre.Next();
    }
    ekstre.First();
    ekstre.EnableControls();
}

int EvrakTuru(const QString &turadi)
{
    if (turadi == QLatin1String("Tediye"))
        return 1;
    if (turadi == QLatin1String("Tahsilat"))
        return 1;
    if (turadi.contains(QLatin1String("Fatura"), Qt::CaseSensitive))
        return 2;
    return 0;
}

QString AlaninNotu(const QString &bizimMesaj, const QString &saticiNotu)
{
    if (saticiNotu.trimmed().isEmpty())
        return bizimMesaj;
    QString text = bizimMesaj;
    if (!text.isEmpty())
        text += QLatin1Char('\n');
    text += QStringLiteral("----------------------\nSatıcı Notu:\n") + saticiNotu;
    return text;
}

FiyatSonucu FiyatHesapla(double fiyat, double oran)
{
    FiyatSonucu s;
    s.net = oran > 0 ? fiyat - oran * fiyat / 100 : fiyat;
    s.kdvDahil = s.net * 1.18;
    return s;
}

QString MakbuzYolu(const QString &belgeler, int sirano)
{
    return QDir(belgeler).filePath(QStringLiteral("sanalposodeme%1.pdf").arg(sirano));
}
