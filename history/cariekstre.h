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
class QMenu;

// The tab "Cari Ekstre" (sccariekstre): the account statement with the client's own running
// balance, loaded in the background on every show, and the invoice and collection windows.
class CariEkstreSekmesi : public QObject
{
    Q_OBJECT

public:
    // popekstre: the grid's menu with H1; built here when null.
    CariEkstreSekmesi(MainWindowHost &host, QWidget *sheet, BusyIndicator *gifekstre,
                      QMenu *popekstre = nullptr);
    ~CariEkstreSekmesi() override;

    void sccariekstreShow();
    // True when the fetch failed. Runs on a worker, over its own clone of the main connection.
    bool EkstreGetir();
    void H1Click();
    void cxGridDBTableView4DblClick() { H1Click(); }
    void FaturaGoster(int idno);
    void TahsilatGoster(int idno);

    TClientDataSet &EKSTRE() { return m_ekstre; }
    GridView *cxGridDBTableView4() const { return m_grid; }
    QMenu *popekstre() const { return m_menu; }
    bool isLoading() const { return m_yukleyici && m_yukleyici->yukleniyor(); }

signals:
    void loadFinished(bool failed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MainWindowHost &m_host;
    QPointer<QWidget> m_sheet;
    QPointer<BusyIndicator> m_busy;
    TClientDataSet m_ekstre;
    TDataSource DataSource_EKSTRE{&m_ekstre};
    QPointer<GridView> m_grid;
    QMenu *m_menu = nullptr;
    std::unique_ptr<SekmeYukleyici> m_yukleyici;
};
