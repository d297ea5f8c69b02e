#pragma once

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"

#include <QDialog>

#include <memory>

class GridView;
class QDateTimeEdit;
class QPushButton;
class QTabWidget;
class TSQLConnection;
class TSonucBilgisi;

// "Raporlar": the orders received in a date range, grouped by salesperson, and the stock sold in
// it. "Göster" loads the active tab only; the other keeps what it last showed.
class Traporform : public QDialog
{
    Q_OBJECT

public:
    // bag: a connection of the window's own (a clone of the main one).
    Traporform(QWidget *owner, std::unique_ptr<TSQLConnection> bag, TSonucBilgisi &sbilgi);
    ~Traporform() override;

    void Button1Click();
    void AlinanSiparislerGetir();
    void SatilanStoklarGetir();

    TClientDataSet &siparis() { return m_siparis; }
    TClientDataSet &stok() { return m_stok; }
    GridView *cxGrid1DBTableView1() const { return m_siparisGrid; }
    GridView *cxGridDBTableView1() const { return m_stokGrid; }
    QDateTimeEdit *tarih1() const { return m_tarih1; }
    QDateTimeEdit *tarih2() const { return m_tarih2; }
    QTabWidget *PageControl1() const { return m_sayfalar; }
    QWidget *tabsiparis() const { return m_tabsiparis; }
    QWidget *tabstok() const { return m_tabstok; }

private:
    bool yukle(TClientDataSet &hedef, bool siparisler);

    std::unique_ptr<TSQLConnection> m_bag;
    TSonucBilgisi &m_sbilgi;
    TClientDataSet m_siparis;
    TClientDataSet m_stok;
    TDataSource DataSource1{&m_siparis};
    TDataSource DataSource2{&m_stok};
    GridView *m_siparisGrid = nullptr;
    GridView *m_stokGrid = nullptr;
    QDateTimeEdit *m_tarih1 = nullptr;
    QDateTimeEdit *m_tarih2 = nullptr;
    QTabWidget *m_sayfalar = nullptr;
    QWidget *m_tabsiparis = nullptr;
    QWidget *m_tabstok = nullptr;
};

// The server's columns copied into the declared fields by name; a column the server does not send
// stays empty, one the window does not declare is dropped.
void AlanAdiylaKopyala(const TClientDataSet &kaynak, TClientDataSet &hedef);
