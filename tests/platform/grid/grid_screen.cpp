// Renders a stock-list grid and a grouped report grid to a PNG (the picture in docs/screens).
#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"

#include <QApplication>
#include <QPainter>
#include <QVBoxLayout>

namespace {

QPixmap dot(const QColor &colour)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(colour.darker(140));
    p.drawEllipse(2, 2, 16, 16);
    return pixmap;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("grid.png");

    TClientDataSet stok;
    stok.addField(QStringLiteral("DURUM"), TFieldType::ftInteger);
    stok.addField(QStringLiteral("BARKOD"), TFieldType::ftString, 30);
    stok.addField(QStringLiteral("ADI"), TFieldType::ftWideString, 100);
    stok.addField(QStringLiteral("MARKA"), TFieldType::ftString, 30);
    stok.addField(QStringLiteral("Y"), TFieldType::ftInteger);
    stok.addField(QStringLiteral("LISTEFIYAT1"), TFieldType::ftFloat);
    stok.addField(QStringLiteral("NETFIYAT"), TFieldType::ftFloat);
    stok.CreateDataSet();
    stok.appendRow(
        {1, "YF-1001", QStringLiteral("Yağ filtresi, uzun ömürlü sentetik kağıt"), "MANN", 1, 1234.5, 987.6});
    stok.appendRow({0, "HF-2040", QStringLiteral("Hava filtresi"), "BOSCH", 0, 456.0, 400.25});
    stok.appendRow({3, "ÇF-3300", QStringLiteral("Polen filtresi (aktif karbonlu)"), QStringLiteral("ÖLMEZ"),
                    1, 89.9, 80.0});
    stok.appendRow({2, "YK-0007", QStringLiteral("Yakıt filtresi"), "MANN", 0, 2100.0, 1890.0});
    FormatAyarla(&stok);
    TDataSource stokSource(&stok);

    QWidget window;
    window.setStyleSheet(QStringLiteral("background: #e9eef5"));
    auto *layout = new QVBoxLayout(&window);
    auto *stockGrid = new GridView(&window);
    applyStockListLook(stockGrid);
    GridColumn *durum = stockGrid->createColumn("durum", "DURUM");
    durum->setCaption(QStringLiteral("Durum"));
    durum->setKind(GridCellKind::IconByValue);
    durum->setAlignment(Qt::AlignCenter);
    durum->addIconValue(0, dot(QColor(210, 40, 40)), QStringLiteral("Yok"));
    durum->addIconValue(1, dot(QColor(40, 170, 60)), QStringLiteral("Var"));
    durum->addIconValue(2, dot(QColor(240, 160, 20)), QStringLiteral("Telefon"));
    durum->addIconValue(3, dot(QColor(50, 110, 210)), QStringLiteral("Yolda"));
    durum->setTag(1);
    GridColumn *barkod = stockGrid->createColumn("barkod", "BARKOD");
    barkod->setCaption(QStringLiteral("Barkod"));
    barkod->setTag(2);
    barkod->setFooterSummary(GridSummaryKind::Count);
    GridColumn *adi = stockGrid->createColumn("adi", "ADI");
    adi->setCaption(QStringLiteral("Açıklama"));
    adi->setWordWrap(true);
    adi->setTag(4);
    GridColumn *marka = stockGrid->createColumn("marka", "MARKA");
    marka->setCaption(QStringLiteral("Marka"));
    marka->setTag(2);
    GridColumn *yeni = stockGrid->createColumn("yeni", "Y");
    yeni->setCaption(QStringLiteral("Yeni"));
    yeni->setKind(GridCellKind::IconByValue);
    yeni->setAlignment(Qt::AlignCenter);
    yeni->addIconValue(1, dot(QColor(250, 200, 0)));
    yeni->setTag(1);
    GridColumn *liste = stockGrid->createColumn("liste", "LISTEFIYAT1");
    liste->setCaption(QStringLiteral("Liste Fiyatı"));
    liste->setTag(2);
    GridColumn *net = stockGrid->createColumn("net", "NETFIYAT");
    net->setCaption(QStringLiteral("Net Fiyatı"));
    net->setTag(2);
    net->setFooterSummary(GridSummaryKind::Sum);
    stockGrid->setDataSource(&stokSource);
    stockGrid->setFilter(marka, QStringLiteral("MANN"));
    stockGrid->clearFilters();
    stockGrid->sortBy(liste, Qt::AscendingOrder);
    stockGrid->setFilter(durum, QStringLiteral("Var"));
    stockGrid->clearFilters();
    layout->addWidget(stockGrid, 3);

    TClientDataSet siparis;
    siparis.addField(QStringLiteral("SATICIADI"), TFieldType::ftString, 50);
    siparis.addField(QStringLiteral("TARIH"), TFieldType::ftDate);
    siparis.addField(QStringLiteral("CARIADI"), TFieldType::ftString, 100);
    siparis.addField(QStringLiteral("TUTAR"), TFieldType::ftFloat);
    siparis.CreateDataSet();
    siparis.appendRow({QStringLiteral("Ayşe Yılmaz"), "2024-05-02", QStringLiteral("Özkan Oto"), 1500.0});
    siparis.appendRow(
        {QStringLiteral("Ayşe Yılmaz"), "2024-05-03", QStringLiteral("Güneş Yedek Parça"), 320.75});
    siparis.appendRow({QStringLiteral("Ömer Çelik"), "2024-05-02", QStringLiteral("Kaya Otomotiv"), 12250.0});
    FormatAyarla(&siparis);
    TDataSource siparisSource(&siparis);
    auto *report = new GridView(&window);
    GridColumn *satici = report->createColumn("satici", "SATICIADI");
    satici->setVisible(false);
    GridColumn *tarih = report->createColumn("tarih", "TARIH");
    tarih->setGroupSummary(GridSummaryKind::Count);
    tarih->setFooterSummary(GridSummaryKind::Count);
    tarih->setWidth(100);
    report->createColumn("cari", "CARIADI")->setWidth(220);
    GridColumn *tutar = report->createColumn("tutar", "TUTAR");
    tutar->setGroupSummary(GridSummaryKind::Sum);
    tutar->setFooterSummary(GridSummaryKind::Sum);
    tutar->setWidth(120);
    report->setRowIndicatorVisible(true);
    report->setFooterVisible(true);
    report->setDataSource(&siparisSource);
    report->setGroupColumn(satici);
    report->setGroupExpanded(1, false);
    layout->addWidget(report, 2);

    window.resize(1000, 640);
    window.show();
    QObject::connect(stockGrid, &GridView::resized, [&] { OrantiliGenislik(stockGrid, stockGrid->width()); });
    OrantiliGenislik(stockGrid, stockGrid->width());
    stockGrid->setFocusedRecord(2);
    app.processEvents();
    return window.grab().save(out) ? 0 : 1;
}
