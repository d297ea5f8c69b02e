#pragma once

#include "app/core/mainwindowhost.h"

#include <QString>
#include <QVariantMap>

// What the stock detail window is filled with before an add or an edit.
struct StokDetayDegerleri
{
    int stokno = 0;
    QString barkod, adi, marka, finishkod, model;
    QString fiyatBasligi = QStringLiteral("Fiyat:");     // Label2
    QString indirimBasligi = QStringLiteral("İndirim:"); // indirimoran
    double birimfiyat = 0;
    double indtutar = 0;
    double kdvdahiltutar = 0;
    double kdvlifiyat = 0;
    double adet = 1;
    bool fiyatDegisir = false; // birimfiyat editable
};

// A catalogue row (STOK_STOKNO, BARKOD, ADI, ...) for a new line, by the grid it comes from.
StokDetayDegerleri KatalogDetayi(const QVariantMap &row, SepetKaynagi kaynak, int musteriTipi);
// A basket line (STOKNO, BARKOD, STOKADI, ..., NETBIRIMFIYAT, KDV, MIKTAR) for editing.
StokDetayDegerleri SepetSatirDetayi(const QVariantMap &line);
