#pragma once

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"
#include "server/baglantiu.h"

#include <QDialog>

#include <memory>

class GridColumn;
class GridView;
class MainWindowHost;
class TSQLConnection;

// "Sipariş Hareketleri": every order line of the customer account, or only those of one stock.
// It works over its own clone of the main connection, opened once per call without retry.
class Ttumsiparisler : public QDialog
{
    Q_OBJECT

public:
    // stokno 0: all stocks.
    Ttumsiparisler(QWidget *owner, const TSQLConnection &anaBaglanti, const TSonucBilgisi &bilgi, int stokno);
    ~Ttumsiparisler() override;

    void KullaniciTipiUygula(int musteriTipi);
    void Getir();
    void Goster();
    void Button1Click();
    void Button2Click();

    int stokno() const { return m_stokno; }
    TClientDataSet &bakiyesepet() { return m_bakiyesepet; }
    GridView *cxGridDBTableView1() const { return m_grid; }
    GridColumn *column(const QString &field) const;

private:
    std::unique_ptr<TSQLConnection> m_bagim;
    TSonucBilgisi m_bilgi;
    int m_stokno = 0;
    TClientDataSet m_bakiyesepet;
    TDataSource m_source{&m_bakiyesepet};
    GridView *m_grid = nullptr;
};

// "Tüm Siparişler" (stokno 0) and the stock list's "Siparişleri Göster" (the focused stock's number).
void TumSiparisleriGoster(MainWindowHost &host, int stokno);
