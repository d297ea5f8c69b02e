#pragma once

#include "app/core/mainwindowhost.h"
#include "basket/sepetdetay.h"
#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"

#include <QObject>
#include <QVariantMap>
#include <functional>
#include <optional>

class GridColumn;
class GridView;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// What a confirmed stock detail window gives back.
struct DetayCevabi
{
    QString adet;      // the quantity field's text
    double birimfiyat; // the unit price field's value
};

// The basket tab `ssepet`: the basket grid over `sepet`, the totals, the selection buttons and the
// overdue warning, line editing through the stock detail window, and the order send.
class BasketTab : public QObject
{
    Q_OBJECT

public:
    // Shows the stock detail window filled with the values, modally; empty when cancelled.
    using DetayPenceresi = std::function<std::optional<DetayCevabi>(QWidget *parent, TSQLConnection &bagc,
                                                                    const StokDetayDegerleri &)>;

    // Builds the tab's controls into the sheet; popup is the basket menu PopupMenu1 with its items
    // Deitir1, SatrSil1 and HepsiniSil1. The user type of the session decides the DURUM and KALAN columns.
    BasketTab(MainWindowHost &host, QWidget *sheet, QMenu *popup, QObject *parent = nullptr);
    ~BasketTab() override;

    // Tests put their own in place; empty brings back the stock detail window.
    static void setDetayPenceresi(DetayPenceresi window);

    TClientDataSet &sepet() { return m_sepet; }
    GridView *grid() const { return cxGrid2; }

    // Part of the basket view
    void SepetGetir();
    void SepetToplamHesapla();
    bool SecimGonder(int sirano, int secim);
    void CariBakiyeUyariBak();
    void ssepetShow();
    void Button4Click();
    void Button5Click();
    void Button2Click();

    // Adding and editing lines
    void katalogdanEkle(const QVariantMap &row, SepetKaynagi kaynak);
    void StokListesindenEkle(const QVariantMap &row);
    void YenilerdenEkle(const QVariantMap &row);
    void KampanyalilardanEkle(const QVariantMap &row);
    void SepeteEkle(const QVariantMap &row, double quantity, double unitPrice);
    void SatirDegistir(int sirano);
    void SepetSatirGuncelle(int sirano, double quantity, double unitPrice);
    void cxGridDBTableView1DblClick(int record, GridColumn *column);
    void Deitir1Click();
    void SatrSil1Click();
    void HepsiniSil1Click();

    // Sending the order
    void Button1Click();
    bool SiparisGonder(int kargoyeni, int kargo, int teslim);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildColumns();
    void applyUserType(int musteriTipi);
    void ekle(const QVariantMap &row, SepetKaynagi kaynak);
    void satirDegistirVeyaSec(GridColumn *column);
    void hepsiniIsaretle(int secim);
    QVariantMap currentLine() const;
    bool focusedLine(); // positions sepet on the focused grid row's SIRANO
    QString aciklama() const;

    MainWindowHost &m_host;
    QWidget *m_sheet;
    QMenu *m_popup;
    TClientDataSet m_sepet;
    TDataSource DataSource_SEPET;

    GridView *cxGrid2 = nullptr;
    QLabel *lbluyarbakiye = nullptr;
    QPushButton *Button4 = nullptr;
    QPushButton *Button5 = nullptr;
    QGroupBox *notGroup = nullptr;
    QPlainTextEdit *aciklamagir = nullptr;
    QLabel *aratoplaml = nullptr;
    QLabel *indiriml = nullptr;
    QLabel *nettutarl = nullptr;
    QLabel *vergil = nullptr;
    QLabel *geneltoplaml = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};
