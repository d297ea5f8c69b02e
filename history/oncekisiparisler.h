#pragma once

#include "history/sekmeyukleyici.h"
#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"
#include "platform/grid/gridview.h"

#include <QObject>
#include <QPointer>
#include <memory>

class BusyIndicator;
class MainWindowHost;
class QAction;
class QMenu;
class TSiparisDipAyrinti;

// The tab "Önceki Siparişler" (sonceki): the account's orders, loaded in the background on every
// show, one load at a time; the order detail, balances and all-orders windows from its menu.
class OncekiSiparislerSekmesi : public QObject
{
    Q_OBJECT

public:
    // poponceki: the grid's menu with S1, SipariBakiyeleriniz1 and T1; built here when null.
    OncekiSiparislerSekmesi(MainWindowHost &host, QWidget *sheet, BusyIndicator *gifoncekiler,
                            QMenu *poponceki = nullptr);
    ~OncekiSiparislerSekmesi() override;

    void soncekiShow();
    // True when the fetch failed. Runs on a worker, over its own clone of the main connection.
    bool OncekileriGetir();
    void S1Click();
    void cxGridDBTableView2DblClick() { S1Click(); }
    void SipariBakiyeleriniz1Click();
    void T1Click();
    void SiparisAyrintiGetir(TClientDataSet &rows, int idnosu);
    void SiparisDipGetir(TSiparisDipAyrinti &footer, int idnosu);

    TClientDataSet &ONCEKILER() { return m_onceki; }
    GridView *cxGridDBTableView2() const { return m_grid; }
    QMenu *poponceki() const { return m_menu; }
    bool isLoading() const { return m_yukleyici && m_yukleyici->yukleniyor(); }

signals:
    // A load's continuation has run (with the failure flag of its fetch).
    void loadFinished(bool failed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MainWindowHost &m_host;
    QPointer<QWidget> m_sheet;
    QPointer<BusyIndicator> m_busy;
    TClientDataSet m_onceki;
    TDataSource DataSource_ONCEKI{&m_onceki};
    QPointer<GridView> m_grid;
    QMenu *m_menu = nullptr;
    std::unique_ptr<SekmeYukleyici> m_yukleyici;
};
