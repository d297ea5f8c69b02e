#include "platform/grid/gridhelpers.h"

#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridview.h"
#include "platform/grid/screenwidth.h"
#include "platform/system/exception.h"
#include "platform/system/formatfloat.h"

#include <QLocale>

void FormatAyarla(TClientDataSet *dataSet)
{
    if (!dataSet)
        return;
    for (const auto &field : dataSet->Fields()) {
        if (field->ClassName() == QLatin1String("TFloatField"))
            field->setDisplayFormat(QStringLiteral("#,###,##0.00"));
    }
}

bool OrantiliGenislik(GridView *view, int gridWidth)
{
    const QList<GridColumn *> visible = view->visibleColumns();
    int weights = 0;
    for (GridColumn *column : visible)
        weights += column->Tag();
    if (weights == 0)
        return false;
    const int unit = int(double(gridWidth - WidthReserve) / weights);
    for (GridColumn *column : visible)
        column->setWidth(column->Tag() * unit);
    return true;
}

void GenislikAyarla(GridView *view, int screenWidth)
{
    if (screenWidth > LayoutThreshold) {
        view->BeginUpdate();
        OrantiliGenislik(view, view->width());
        view->EndUpdate();
    } else {
        view->BeginBestFitUpdate();
        view->EndBestFitUpdate();
    }
}

void SepetEnIyile(GridView *view)
{
    GenislikAyarla(view, screenWidth());
}

void YenilerEnIyile(GridView *view)
{
    GenislikAyarla(view, screenWidth());
}

void KampanyaliEnIyile(GridView *view)
{
    GenislikAyarla(view, screenWidth());
}

void StokEnIyile(GridView *view, int windowWidth, const StokDuzeni &duzen)
{
    view->BeginUpdate();
    const bool wide = windowWidth > LayoutThreshold;
    for (GridColumn *column : duzen.fiyatKolonlari) {
        if (column)
            column->setVisible(wide);
    }
    if (duzen.fiyatBilgisi)
        duzen.fiyatBilgisi->setVisible(!wide);
    view->setRowHeight(wide ? 60 : 100);
    OrantiliGenislik(view, view->width());
    if (!wide) {
        for (GridColumn *column : duzen.oemKolonlari) {
            if (column)
                column->setWidth(80);
        }
        if (duzen.fiyatBilgisi)
            duzen.fiyatBilgisi->setWidth(150);
        view->setRowHeight(100);
    }
    view->EndUpdate();
}

double Yuvarla(double value)
{
    const QLocale locale;
    QString text = FormatFloat(QStringLiteral("#,###,##.00"), value, locale);
    text.remove(locale.groupSeparator());
    // The pattern drops a lone zero before the separator (",50"); the parse wants a digit there.
    const QString point = locale.decimalPoint();
    if (text.startsWith(point))
        text.prepend(QLatin1Char('0'));
    else if (text.startsWith(QLatin1Char('-') + point))
        text.insert(1, QLatin1Char('0'));
    bool ok = false;
    const double result = locale.toDouble(text, &ok);
    if (!ok)
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return result;
}

QString SayiBasligi(int count, const QString &label)
{
    return QString::number(count) + QLatin1Char('=') + label;
}

void applyCatalogueLook(GridView *view)
{
    GridStyle style = view->gridStyle();
    QFont bold(QStringLiteral("Tahoma"));
    bold.setPixelSize(13);
    bold.setBold(true);
    style.headerBackground = QColor(210, 240, 249);
    style.headerText = QColor(0, 0, 0);
    style.headerFont = bold;
    style.selectionBackground = QColor(210, 240, 249);
    style.selectionText = QColor(0, 0, 0);
    style.selectionBold = true;
    QFont cell(QStringLiteral("Tahoma"));
    cell.setPixelSize(13);
    style.cellFont = cell;
    view->setGridStyle(style);
    view->setHeaderHeight(40);
    view->setRowHeight(60);
    view->setReadOnly(true);
    view->setIncrementalSearch(true);
    view->setFocusFollowsMouse(true);
    view->setHeaderFilterButtons(true);
    view->setColumnChooser(true);
    view->setFooterVisible(true);
    view->setRowIndicatorVisible(false);
    view->setGridLines(true);
    view->setFocusRectVisible(false);
}

void applyStockListLook(GridView *view)
{
    applyCatalogueLook(view);
    GridStyle style = view->gridStyle();
    style.indicator = QColor(66, 66, 66);
    style.gridLines = QColor(255, 255, 255);
    QFont cell(QStringLiteral("Arial"));
    cell.setPixelSize(13);
    style.cellFont = cell;
    view->setGridStyle(style);
    view->setRowIndicatorVisible(true, 5);
    view->setGridLines(true);
}
