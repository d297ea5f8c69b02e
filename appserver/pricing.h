#pragma once

#include "appserver/textutil.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cmath>

namespace appserver {

// "40+10": the rates that apply, joined as the lists show them; "0" when none.
inline QString discountText(const std::array<double, 4> &rates)
{
    QStringList parts;
    for (double r : rates)
        if (r > 0)
            parts << QString::number(r, 'g', 6);
    return parts.isEmpty() ? QStringLiteral("0") : parts.join(QLatin1Char('+'));
}

// Successive discounts: 40 then 10 leaves 0.6 × 0.9 of the price.
inline double discountFactor(const std::array<double, 4> &rates)
{
    double f = 1.0;
    for (double r : rates)
        f *= 1.0 - qBound(0.0, r, 100.0) / 100.0;
    return f;
}

// One basket, order or invoice line; amounts are rounded to the kuruş as they are stored.
struct Line
{
    double miktar = 0;
    double birim = 0;
    std::array<double, 4> ind{};
    bool kampanyali = false;
    double net = 0; // set by the caller for a campaign line
    double kdv = 0;
    double tutar = 0;
    double indirimTutar = 0;
    double netTutar = 0;
    double vergi = 0;
    QString indirimYazi;

    void compute()
    {
        if (!kampanyali)
            net = round2(birim * discountFactor(ind));
        tutar = round2(miktar * birim);
        netTutar = round2(miktar * net);
        indirimTutar = round2(tutar - netTutar);
        vergi = round2(netTutar * kdv / 100.0);
        if (kampanyali)
            indirimYazi = QStringLiteral("%") +
                          QString::number(birim > 0 ? std::lround(100.0 - 100.0 * net / birim) : 0L);
        else
            indirimYazi = discountText(ind);
    }
};

} // namespace appserver
