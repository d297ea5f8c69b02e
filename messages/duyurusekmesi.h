#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class BusyIndicator;
class GridColumn;
class GridView;
class MainWindowHost;
class TSQLConnection;

// One announcement as the tab shows it: the decoded picture file and the target.
struct Duyuru
{
    QByteArray resim;
    QString arama;
};

struct DuyuruSonucu
{
    bool hata = true; // the load failed: no connection, a server error or a bad picture text
    QList<Duyuru> duyurular;
};

// Background step of the load, over the task's own clone of the main connection: fetches and
// decodes every announcement.
DuyuruSonucu DuyurulariGetir(TSQLConnection &con);

// The "Duyurular" tab: a strip of announcement pictures, loaded every time the tab is shown. A
// double click follows the announcement's target.
class TDuyuruSekmesi : public QObject
{
    Q_OBJECT

public:
    TDuyuruSekmesi(MainWindowHost &host, QWidget *sheet, BusyIndicator *gifduyuru, QObject *parent = nullptr);

    GridView *grid() const { return cxGridduyuru; }
    GridColumn *pictureColumn() const { return m_duyuru; }
    GridColumn *targetColumn() const { return m_arama; }
    bool isLoading() const { return m_loading; }

    void sTabSheetduyuruShow();
    void cxGridduyuruBandedDuyuruDblClick();

signals:
    // The continuation of a load has run (after the message, when there was one).
    void loaded(bool failed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startLoad();
    void finishLoad(const DuyuruSonucu &sonuc);

    MainWindowHost &m_host;
    QPointer<QWidget> m_sheet;
    QPointer<BusyIndicator> gifduyuru;
    GridView *cxGridduyuru = nullptr;
    GridColumn *m_duyuru = nullptr;
    GridColumn *m_arama = nullptr;
    bool m_loading = false;
    bool m_again = false;
};
