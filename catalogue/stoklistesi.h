#pragma once

#include "platform/grid/gridhelpers.h"

#include <QObject>
#include <QPointer>

#include <memory>

class AramaFiltresi;
class BusyIndicator;
class GridView;
class MainWindowHost;
class QAction;
class QMenu;
class QWidget;
class TClientDataSet;
class TDataSource;
class TSQLConnection;
class TSonucBilgisi;

// The stock list tab `sstoklistesi`: the search over the search box of the main window, the grid
// `cxGrid1DBTableView1` over `stok`, the combined price cell, the wide/narrow layout and the
// context menu `popstok`. The search bar's "Ara"/Enter reaches it through araeditEnter().
class StokListesi : public QObject
{
    Q_OBJECT

public:
    StokListesi(MainWindowHost &host, QWidget *sstoklistesi, BusyIndicator *gifstokara, QMenu *popstok,
                QObject *parent = nullptr);
    ~StokListesi() override;

    GridView *cxGrid1DBTableView1() const { return m_grid; }
    TClientDataSet *stok() const { return m_stok; }
    TDataSource *DataSource1() const { return m_source; }
    QWidget *tabSheet() const { return m_sheet; }
    bool aramaSuruyor() const { return m_searching; }

    // Column visibility by user type, once after the login.
    void KullaniciTipiUygula(int musteriTipi);

    // Enter in the search box or "Ara": the 2-letter rule, then the search.
    void araeditEnter();
    // "Temizle".
    void SpeedButton1Click();
    void StokEnIyile();

signals:
    // After each search's continuation; ok false when it failed.
    void aramaBitti(bool ok);
    // "Sipariş Bakiyeleriniz" and "Siparişleri Göster" of the context menu.
    void bakiyelerIstendi();
    void siparisleriGosterIstendi(int stokno);

private:
    void Ara();
    static bool StokListesiGetir(TSQLConnection &baglanti, TClientDataSet &stok, const QString &kod,
                                 const TSonucBilgisi &bilgi);
    void cxGrid1DBTableView1DblClick();
    void S3Click();

    MainWindowHost &m_host;
    QPointer<QWidget> m_sheet;
    QPointer<BusyIndicator> m_busy;
    QPointer<QMenu> m_menu;
    GridView *m_grid = nullptr;
    std::shared_ptr<TClientDataSet> m_stokHolder;
    TClientDataSet *m_stok = nullptr;
    TDataSource *m_source = nullptr;
    AramaFiltresi *m_filter = nullptr;
    StokDuzeni m_duzen;
    bool m_searching = false;
};
