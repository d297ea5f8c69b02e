#pragma once

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"

#include <QDialog>

#include <memory>

class GridView;
class QLabel;
class QPushButton;
class TotalsGroup;

// "Evrak Ayrıntısı": an invoice's lines (fatura), its header and its totals (alt, one row).
class Tayrinti_fatura : public QDialog
{
    Q_OBJECT

public:
    explicit Tayrinti_fatura(QWidget *owner = nullptr);
    ~Tayrinti_fatura() override;

    TClientDataSet &fatura() { return m_fatura; }
    TClientDataSet &alt() { return m_alt; }

    // Best fit, header and total labels, geometry; then the money format on the lines.
    void EnIyile();
    void KapatClick();
    void Button2Click();

    GridView *cxGridDBTableView1() const { return m_grid; }
    QLabel *label(const QString &name) const;

private:
    TClientDataSet m_fatura;
    TClientDataSet m_alt;
    TDataSource DataSource1{&m_fatura};
    GridView *m_grid = nullptr;
    std::unique_ptr<TotalsGroup> m_totals;
    QLabel *_tarih = nullptr;
    QLabel *_evrakcinsi = nullptr;
    QLabel *_saticiadi = nullptr;
    QLabel *_evrakno = nullptr;
    QLabel *_vadegun = nullptr;
};
