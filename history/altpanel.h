#pragma once

// The bottom panels of the order and document windows.

#include <QWidget>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TSiparisDipAyrinti;
struct ToplamYazilari;

// The group "Tutar" with the five totals (aratoplaml, indiriml, nettutarl, vergil, geneltoplaml).
class TotalsGroup
{
public:
    explicit TotalsGroup(QWidget *parent);
    QGroupBox *box() const { return m_box; }
    void show(const ToplamYazilari &yazilar);

    QLabel *aratoplaml = nullptr;
    QLabel *indiriml = nullptr;
    QLabel *nettutarl = nullptr;
    QLabel *vergil = nullptr;
    QLabel *geneltoplaml = nullptr;

private:
    QGroupBox *m_box = nullptr;
};

// A label that shows its text as it is (an ampersand stays an ampersand).
QLabel *plainValueLabel(const char *name, QWidget *parent);
// "Kapat" (Button1) and "Excel Kaydet" (Button2), stacked.
QWidget *closeExportButtons(QWidget *parent, QPushButton **kapat, QPushButton **excel);

// Order information, both notes, the totals and the two buttons, left to right.
class OrderFooterPanel : public QWidget
{
    Q_OBJECT

public:
    explicit OrderFooterPanel(QWidget *parent = nullptr);

    // The footer texts; with saticiNotu the salesperson's note is appended to the distributor's.
    void showFooter(const TSiparisDipAyrinti &dip, bool saticiNotu);
    void showTotals(const ToplamYazilari &yazilar) { m_totals.show(yazilar); }

    QPushButton *kapat() const { return m_kapat; }
    QPushButton *excel() const { return m_excel; }
    QLabel *label(const QString &name) const;
    QPlainTextEdit *sizin() const { return m_sizin; }
    QPlainTextEdit *bizim() const { return m_bizim; }

private:
    QLabel *_sipdurun = nullptr;
    QLabel *_teslimcinsi = nullptr;
    QLabel *_kargocinsi = nullptr;
    QLabel *_kargo = nullptr;
    QLabel *_veren = nullptr;
    QPlainTextEdit *m_sizin = nullptr;
    QPlainTextEdit *m_bizim = nullptr;
    TotalsGroup m_totals{this};
    QPushButton *m_kapat = nullptr;
    QPushButton *m_excel = nullptr;
};
