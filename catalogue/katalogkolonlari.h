#pragma once

#include <QString>

class GridColumn;
class GridView;

// The columns of the three catalogue grids in display order, with header, weight (Tag), shown at
// start, offered in the column chooser, cell kind and icons.
void StokKolonlariniKur(GridView *view);     // stock list (cxGrid1DBTableView1)
void YeniKolonlariniKur(GridView *view);     // new stock (cxGridDBTableView5)
void KampanyaKolonlariniKur(GridView *view); // campaign stock (cxGridDBTableViewkampanyali)

// The user-type rules of the catalogue grids, applied once after the login: types 1 and 2 see
// KALAN, ALINANSIPARIS and VERILENSIPARIS; type 4 loses K and KAMPFIYAT (stock and new-stock lists).
void KatalogKullaniciTipi(GridView *view, int musteriTipi, bool kampanyaKolonlari);

// The stock list's combined price column.
inline const QString FiyatBilgisiKolonu = QStringLiteral("FiyatBilgisi");
