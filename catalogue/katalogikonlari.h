#pragma once

#include <QPixmap>

// Pictures of the catalogue grids' flag columns (24 × 24), drawn in code.
namespace KatalogIkonlari {

// The flag list: index 0 "no", index 1 "yes" (new item, campaign item).
QPixmap bayrak(int index);
// The picture flag: the item has a picture on the server.
QPixmap resim();

} // namespace KatalogIkonlari
