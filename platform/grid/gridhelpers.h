#pragma once

#include <QList>
#include <QString>

class GridColumn;
class GridView;
class TClientDataSet;

// Widths above this are the wide layout; this and below the narrow one.
constexpr int LayoutThreshold = 1152;
// Taken off a grid's width before it is shared among the columns.
constexpr int WidthReserve = 30;

// Money format on the data set's plain double fields (not currency, BCD or any other class).
void FormatAyarla(TClientDataSet *dataSet);

// Shares gridWidth − 30 among the visible columns by their Tag. Returns false and changes nothing
// when no visible column carries a weight (nothing to divide by).
bool OrantiliGenislik(GridView *view, int gridWidth);

// The width operation of the basket, new-stock and campaign grids (and the windows that copy them):
// proportional widths on a screen wider than 1152 pixels, best fit otherwise.
void GenislikAyarla(GridView *view, int screenWidth);
void SepetEnIyile(GridView *view);
void YenilerEnIyile(GridView *view);
void KampanyaliEnIyile(GridView *view);

// The stock list switches on the main window's own width.
struct StokDuzeni
{
    QList<GridColumn *> fiyatKolonlari; // KDV Dahil Fiyat, Net Fiyatı, Kampanyalı Fiyat, Liste Fiyatı
    GridColumn *fiyatBilgisi = nullptr; // the combined price column
    QList<GridColumn *> oemKolonlari;   // Oem1, Oem2, Oem3
};
void StokEnIyile(GridView *view, int windowWidth, const StokDuzeni &duzen);

// x rounded to two decimals, halves away from zero, through the "#,###,##.00" format.
double Yuvarla(double value);

// "25=Stok Listesi"
QString SayiBasligi(int count, const QString &label);

// The shared look of the catalogue grids; the stock list adds its row indicator and white lines.
void applyCatalogueLook(GridView *view);
void applyStockListLook(GridView *view);
