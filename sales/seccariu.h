#pragma once

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"
#include "platform/dbx/dbxtable.h"

#include <QDate>
#include <QDialog>
#include <QHash>

#include <functional>

class GridView;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class TSQLConnection;
class TServerMethods1Client;
class TSonucBilgisi;

// Dotless ı becomes i, every occurrence; nothing else changes.
QString IDuzelt(const QString &text);
// The customer search text as it is sent: IDuzelt, then trimmed.
QString CariAramaMetni(const QString &text);
// "rapor" + (report number + customer number) + ".pdf" in the documents folder.
QString RaporDosyasi(int raporno, int carino);

// "Cari Seçimi": sales staff search the accounts they may act for, list them by order state, print
// account reports and choose the account. Choosing writes into bilgim, the session record itself.
// Every call opens bag once without retry; errors reach the caller (the application's error display).
class Tseccari : public QDialog
{
    Q_OBJECT

public:
    Tseccari(QWidget *owner, TSQLConnection &bag, TSonucBilgisi &bilgim);
    ~Tseccari() override;

    // Called by the opener before the window is shown.
    void SepetSayisiYaz();
    void TusSonuclari();

    void CariListele();
    void DurumListele(int n);
    void CariSec();
    void RaporAl(int raporno, int carino, const QDate &tarih1, const QDate &tarih2, const QString &saticiadi);

    void NEdit1Enter();
    void sBitBtn2Click();
    void Button2Click();
    void C1Click();
    void B1Click();
    void CariAlSatTablosuSatcl1Click();
    void CariTopluAlacakVadeleri1Click();

    TClientDataSet &CARILER() { return m_cariler; }
    GridView *cxGrid1DBTableView1() const { return m_grid; }
    QLineEdit *NEdit1() const { return m_arama; }
    QGroupBox *GroupBox1() const { return m_detay; }
    QMenu *PopupMenu1() const { return m_popup; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QToolButton *durumTusu(const char *name, const QString &hint, int code);
    QLabel *detaySatiri(const QString &caption, const QStringList &names);
    void yukle(const std::function<TDBXReader(TServerMethods1Client &)> &call);
    void aramaKutusunaDon();
    void detayGoster(int record);
    QVariant odak(const char *field) const;
    bool odakCariVar(int *carino = nullptr) const;

    TSQLConnection &m_bag;
    TSonucBilgisi &m_bilgim;
    TClientDataSet m_cariler;
    TDataSource m_source{&m_cariler};
    GridView *m_grid = nullptr;
    QLineEdit *m_arama = nullptr;
    QGroupBox *m_detay = nullptr;
    QMenu *m_popup = nullptr;
    QHash<QString, QLabel *> m_degerler;
    QToolButton *m_sepettus = nullptr;
    QHash<QString, QToolButton *> m_tuslar;
    bool m_yerlesti = false;
};
