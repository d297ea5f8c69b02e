#pragma once

#include <QList>
#include <QPair>

class TClientDataSet;

// The five totals of the basket tab, over the ticked lines only.
struct SepetToplamlari
{
    double toplam = 0;  // T, sum of TUTAR
    double indirim = 0; // I, sum of INDIRIMTUTAR
    double net = 0;     // N = T - I
    double vergi = 0;   // V, a flat 18 % of N
    double genel = 0;   // G = N + V
};

// Walks the basket from its first line; lines with SEC = 1 add their TUTAR and INDIRIMTUTAR, the
// running sums rounded after every addition. The cursor is left after the last line. A closed
// basket gives zeros.
SepetToplamlari SepetToplamHesapla(TClientDataSet &sepet);

// The same arithmetic over (TUTAR, INDIRIMTUTAR) pairs in order; the order windows and the balances
// use it over all their lines.
SepetToplamlari ToplamHesapla(const QList<QPair<double, double>> &tutarIndirim);
