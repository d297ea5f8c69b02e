#pragma once

// The arithmetic and rules of the order and account windows, without any window, so they can be
// checked on their own.

#include <QList>
#include <QPair>
#include <QString>

#include "basket/sepettoplam.h"

class TClientDataSet;

// The five totals of an order's lines: the basket's totals, over every line.
using SiparisToplami = SepetToplamlari;

// The basket's totals pass over every line (no selection filter): running sums rounded after each
// addition. A closed data set or one without the two columns gives zeros. The cursor stays where it
// is, so a grid that calls the server on every focus move is not walked through the lines.
SiparisToplami SiparisToplamHesapla(TClientDataSet &lines);
// The same from plain amounts, in line order.
SiparisToplami SiparisToplamHesapla(const QList<QPair<double, double>> &tutarIndirim);

// The label texts: "#,###,##0.00", the grand total "#,###,##00.00" (5.5 shows as 05,50).
struct ToplamYazilari
{
    QString aratoplam;
    QString indirim;
    QString nettutar;
    QString vergi;
    QString geneltoplam;
};
ToplamYazilari ToplamYazilariniVer(const SiparisToplami &toplam);

// Running balance of the statement from 0 in the data set's order, written into BAKIYE, and its
// side into D: "B" owed, "A" in credit, " " when exactly zero. Only over an open data set.
void BakiyeHesapla(TClientDataSet &ekstre);

// 1 collection or payment window, 2 invoice window, 0 nothing; case-sensitive, untrimmed.
int EvrakTuru(const QString &turadi);

// The distributor's note, with the salesperson's note appended when it holds more than blanks.
QString AlaninNotu(const QString &bizimMesaj, const QString &saticiNotu);

// The price dialog's live labels: net after the rate (only a rate above 0 counts), and with 18 % VAT.
struct FiyatSonucu
{
    double net = 0;
    double kdvDahil = 0;
};
FiyatSonucu FiyatHesapla(double fiyat, double oran);

// "sanalposodeme<N>.pdf" in the documents folder.
QString MakbuzYolu(const QString &belgeler, int sirano);
