#pragma once

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"
#include "server/baglantiu.h"

#include <QDialog>

class GridColumn;
class GridView;
class MainWindowHost;
class OrderFooterPanel;
class QAction;
class QMenu;
class TSQLConnection;

// "Bakiye Siparişler": the open order lines of one customer account, the footer of the focused
// line's order, and deleting, changing and repricing a line's balance. Every server call opens
// bagim once, without retry; an error reaches the caller (the application's error display).
class Tbakiyesiparisler : public QDialog
{
    Q_OBJECT

public:
    // bagim: the connection to use; bilgi: the session record, or a copy carrying another CARINO.
    Tbakiyesiparisler(QWidget *owner, TSQLConnection &bagim, const TSonucBilgisi &bilgi);
    ~Tbakiyesiparisler() override;

    // Where the window is shown, for the user-type rules.
    enum class Yer { Sekme, Pencere };
    void KullaniciTipiUygula(int musteriTipi, Yer yer);

    void BakiyeAlalim();
    void Goster();

    void B1Click();
    void B2Click();
    void F1Click();
    void cxGridDBTableView1FocusedRecordChanged(int record);
    void Button1Click();
    void Button2Click();
    void cxGrid2Resize();

    TSonucBilgisi &bilgi() { return m_bilgi; }
    TClientDataSet &bakiyesepet() { return m_bakiyesepet; }
    TSiparisDipAyrinti &asagi() { return m_asagi; }
    GridView *cxGridDBTableView1() const { return m_grid; }
    // By field name: ILKFIYAT, ELDEKI, DURUM ...
    GridColumn *column(const QString &field) const;
    QMenu *popupMenu() const { return m_popup; }
    QAction *B1() const { return m_b1; }
    QAction *B2() const { return m_b2; }
    QAction *F1() const { return m_f1; }
    OrderFooterPanel *footerPanel() const { return m_panel; }

private:
    template<class F>
    void duzCagir(F &&call);
    void dipGoster();
    QVariant odak(int record, const char *field) const;
    // The keys and amounts of one balance line that the balance changes send back.
    struct BakiyeSatiri
    {
        int stokno = 0;
        int sirano = 0;
        int stokharNo = 0;
        double miktar = 0;
        double kalan = 0;
        QString barkod;
    };
    BakiyeSatiri satir(int record) const;

    TSQLConnection &m_bagim;
    TSonucBilgisi m_bilgi;
    TClientDataSet m_bakiyesepet;
    TDataSource m_source{&m_bakiyesepet};
    TSiparisDipAyrinti m_asagi;
    GridView *m_grid = nullptr;
    OrderFooterPanel *m_panel = nullptr;
    QMenu *m_popup = nullptr;
    QAction *m_b1 = nullptr;
    QAction *m_b2 = nullptr;
    QAction *m_f1 = nullptr;
};

// "Sipariş Bakiyeleriniz": the balances of the session's account in a modal window.
void BakiyeleriGoster(MainWindowHost &host);
