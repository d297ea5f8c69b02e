#pragma once

#include <QString>

class QPainter;
struct GridCustomDrawArgs;
struct GridStyle;

// The text of the stock list's combined price cell: list price, the campaign price only when it is
// above 0, net price and VAT-inclusive price, each line ending with CR LF.
QString FiyatBilgisiMetni(double listeFiyati, double kampanyaFiyati, double netFiyat, double kdvliFiyat);

// Draws the cell: selection or content background, the text right-aligned 10 pixels inside,
// vertically centred and wrapped at word boundaries.
void FiyatBilgisiCiz(QPainter *painter, const GridCustomDrawArgs &args, const GridStyle &style);
