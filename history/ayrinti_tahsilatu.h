#pragma once

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"

#include <QDialog>

class GridView;
class QPushButton;
class TSQLConnection;

// "Evrak Ayrıntı": the rows of a collection or payment and, for a virtual-POS collection, its
// card receipt as a PDF.
class Tayrinti_tahsilat : public QDialog
{
    Q_OBJECT

public:
    explicit Tayrinti_tahsilat(QWidget *owner = nullptr);
    ~Tayrinti_tahsilat() override;

    TClientDataSet &TAH() { return m_tah; }
    // Set by the opener: the main connection and the virtual-POS record number (0 or less: none).
    TSQLConnection *con = nullptr;
    qint32 sirano = 0;

    // Only the money format in this window.
    void EnIyile();
    void KapatClick();
    void Button2Click();
    // "PDF Al": saves the receipt as sanalposodeme<sirano>.pdf in the documents folder and opens it.
    void belgeyazClick();

    QPushButton *belgeyaz() const { return m_belgeyaz; }
    GridView *cxGridDBTableView1() const { return m_grid; }

private:
    TClientDataSet m_tah;
    TDataSource DataSource1{&m_tah};
    GridView *m_grid = nullptr;
    QPushButton *m_belgeyaz = nullptr;
};
