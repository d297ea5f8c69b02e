#pragma once

#include "app/core/mainwindowhost.h"

#include <QObject>
#include <QPointer>

#include <memory>

class BusyIndicator;
class GridView;
class QWidget;
class TClientDataSet;
class TDataSource;
class TSQLConnection;

// The new-stock tab `syeniler` (YenilerVer2 into `YENILER`) and the campaign tab `skampanyali`
// (KampanyaliVer2 into `kampstok`). Each show of the tab loads the list afresh in the background;
// a show while a load runs is remembered and loads once more after it.
class UrunListesi : public QObject
{
    Q_OBJECT

public:
    enum class Tur { Yeniler, Kampanyali };

    UrunListesi(Tur tur, MainWindowHost &host, QWidget *tabSheet, BusyIndicator *busy,
                QObject *parent = nullptr);

    Tur tur() const { return m_tur; }
    GridView *grid() const { return m_grid; }
    TClientDataSet *dataSet() const { return m_data; }
    TDataSource *dataSource() const { return m_source; }
    QWidget *tabSheet() const { return m_sheet; }
    bool yukleniyor() const { return m_loading; }

    void KullaniciTipiUygula(int musteriTipi);

    // syenilerShow / skampanyaliShow.
    void Goster();
    void EnIyile();

signals:
    // After each load's continuation; ok false when it failed.
    void yuklemeBitti(bool ok);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static bool Getir(Tur tur, TSQLConnection &baglanti, TClientDataSet &data, int carino, int musteriTipi);
    void DblClick();

    Tur m_tur;
    MainWindowHost &m_host;
    QPointer<QWidget> m_sheet;
    QPointer<BusyIndicator> m_busy;
    GridView *m_grid = nullptr;
    std::shared_ptr<TClientDataSet> m_dataHolder;
    TClientDataSet *m_data = nullptr;
    TDataSource *m_source = nullptr;
    bool m_loading = false;
    bool m_again = false;
};
