#pragma once

#include <QString>
#include <QVariantMap>

class QLineEdit;
class QWidget;
class TSQLConnection;
class TSonucBilgisi;

// The catalogue grid a basket line comes from; the stock detail window is filled differently for each.
enum class SepetKaynagi { StokListesi, Yeniler, Kampanyali };

// What a tab may ask of the main window. Tabs get this instead of TForm1, so each can be tested
// with a small stand-in host.
class MainWindowHost
{
public:
    virtual ~MainWindowHost() = default;

    // The main connection `bagc`; background loads use a clone of it.
    virtual TSQLConnection &connection() = 0;
    // The one session record `sbilgi`.
    virtual TSonucBilgisi &session() = 0;
    // The window modal dialogs are centred over.
    virtual QWidget *window() = 0;

    // Tabs are their tab sheets (`sstoklistesi`, `ssepet`, ...).
    virtual void setTabCaption(QWidget *tabSheet, const QString &caption) = 0;
    virtual QString tabCaption(QWidget *tabSheet) const = 0;
    virtual void activateTab(QWidget *tabSheet) = 0;
    virtual QWidget *activeTab() const = 0;
    // A tab sheet by its name (`skampanyali`, `syeniler`, ...); nullptr when there is none.
    virtual QWidget *tabSheet(const QString &name) const
    {
        Q_UNUSED(name);
        return nullptr;
    }

    // The search box `araedit` and the search the "Ara" button runs.
    virtual QLineEdit *searchBox() = 0;
    virtual void startSearch() = 0;

    // A catalogue double click or "Sepete Ekle": the focused grid row's values by column name
    // (STOK_STOKNO, BARKOD, ADI, MARKA, FINISHKOD, MODEL, KDV, FIYAT, NETFIYAT, KDVDAHIL,
    // INDIRIMYAZI, K, IND1..IND4). The basket edits its line for an item already in it, else adds one.
    virtual void sepeteEkle(const QVariantMap &stockRow, SepetKaynagi source)
    {
        Q_UNUSED(stockRow);
        Q_UNUSED(source);
    }

    // After a customer change: the header labels from the session record, the basket reloaded
    // for the new account, the stock list emptied.
    virtual void basliklariYenile() {}
    virtual void sepetiYenile() {}
    virtual void stokListesiniBosalt() {}
};
