#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn in code.
namespace Icons {

// Stock status icons by the status code of the stock lists (0 "Yok" ... 6 "Kritik"); any other
// code, the empty value included, gives the neutral icon.
QIcon durum(int code);
QIcon durumBos();

enum class Tab {
    StokListesi,
    Sepet,
    OncekiSiparisler,
    CariEkstre,
    YeniStoklar,
    Kampanyali,
    Duyurular,
    Bakiyeler
};
QIcon tab(Tab which);

QIcon search();    // "Ara"
QIcon clear();     // "Temizle"
QIcon searchBar(); // the icon in front of the search box
QIcon menu();      // the general menu button
QIcon busy();      // still frame of a busy animation

// The distributor's logo for the header.
QPixmap logo(const QSize &size);

} // namespace Icons
