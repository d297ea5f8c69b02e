#pragma once

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"
#include "server/baglantiu.h"

#include <QDialog>

class GridView;
class OrderFooterPanel;

// "Sipariş Ayrıntısı": the lines of one order with their totals, status, delivery and both notes.
class Tayrinti_siparis : public QDialog
{
    Q_OBJECT

public:
    explicit Tayrinti_siparis(QWidget *owner = nullptr);
    ~Tayrinti_siparis() override;

    // The opener fills these before SepetHesapla.
    TClientDataSet &sepet() { return m_sepet; }
    TSiparisDipAyrinti &asagi() { return m_asagi; }

    // Totals over all lines, footer texts and the window's geometry.
    void SepetHesapla();

    GridView *cxGridDBTableView1() const { return m_grid; }
    OrderFooterPanel *footerPanel() const { return m_panel; }

    void Button1Click();
    void Button2Click();
    void cxGrid2Resize();

private:
    TClientDataSet m_sepet;
    TDataSource m_source{&m_sepet};
    TSiparisDipAyrinti m_asagi;
    GridView *m_grid = nullptr;
    OrderFooterPanel *m_panel = nullptr;
};
