#pragma once

#include "app/core/mainwindowhost.h"
#include "platform/dbx/sqlconnection.h"
#include "server/baglantiu.h"

#include <QMainWindow>
#include <functional>

class BusyIndicator;
class QAction;
class QCloseEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class QWidget;
class TPageControl;

// The main window: owns the connection `bagc`, the session record `sbilgi`, the tab control, the
// search bar, the menus and the bottom panels. The tabs' own behaviour lives in their folders and
// reaches the window through MainWindowHost.
class TForm1 : public QMainWindow, public MainWindowHost
{
    Q_OBJECT

public:
    // What later parts of the program plug into the window's creation. Set before constructing.
    struct Hooks
    {
        // Shows the login window modally; true when it closed with OK. Empty: no login step.
        std::function<bool(TForm1 &)> login;
        // Starts the start-up loads in the background and returns at once. Empty: only the header
        // labels (AnaBilgiAl) are loaded, through a background task as the other loads will be.
        std::function<void(TForm1 &)> startupLoads;
    };
    static Hooks setHooks(Hooks hooks);

    // Connection host and port: the built-in ones unless a test passes others.
    explicit TForm1(QWidget *parent = nullptr);
    TForm1(const QString &host, int port, QWidget *parent = nullptr);
    ~TForm1() override;

    // Header labels from the session record.
    void AnaBilgiAl();
    // Visibility of tabs, columns and menu items by the user type.
    void KullaniciTipiUygula();

    // MainWindowHost
    TSQLConnection &connection() override { return bagc; }
    TSonucBilgisi &session() override { return sbilgi; }
    QWidget *window() override { return this; }
    void setTabCaption(QWidget *tabSheet, const QString &caption) override;
    QString tabCaption(QWidget *tabSheet) const override;
    void activateTab(QWidget *tabSheet) override;
    QWidget *activeTab() const override;
    QLineEdit *searchBox() override { return araedit; }
    void startSearch() override;
    void sepeteEkle(const QVariantMap &stockRow, SepetKaynagi source) override
    {
        if (m_sepeteEkle)
            m_sepeteEkle(stockRow, source);
    }
    // The basket tab takes the catalogue's rows through this.
    void setSepeteEkle(std::function<void(const QVariantMap &, SepetKaynagi)> handler)
    {
        m_sepeteEkle = std::move(handler);
    }

    // A customer change: header labels, then the basket and the stock list through their tabs.
    void basliklariYenile() override { AnaBilgiAl(); }
    void sepetiYenile() override
    {
        if (m_sepetiYenile)
            m_sepetiYenile();
    }
    void stokListesiniBosalt() override
    {
        if (m_stokListesiniBosalt)
            m_stokListesiniBosalt();
    }
    void setSepetiYenile(std::function<void()> handler) { m_sepetiYenile = std::move(handler); }
    void setStokListesiniBosalt(std::function<void()> handler) { m_stokListesiniBosalt = std::move(handler); }

    // Controls the tab classes attach to.
    QWidget *tabSheet(const QString &name) const;
    TPageControl *pageControl() const { return sPageControl1; }
    QMenu *menu(const QString &name) const;
    QAction *menuItem(const QString &name) const;
    BusyIndicator *busyAnimation(const QString &name) const;
    QLabel *upperBanner() const { return RxGIFAnimator2; }
    QLabel *headerBanner() const { return RxGIFAnimator1; }
    QFrame *bottomPanel() const { return Panel5; }
    QWidget *marquee() const { return kayanyazi; }
    QToolButton *customerButton() const { return musteritus; }

    int acilisAdet() const { return _acilisadet; }
    void setAcilisAdet(int count) { _acilisadet = count; }
    bool acilisGoruldu() const { return _acilisgoruldu; }
    void setAcilisGoruldu(bool seen) { _acilisgoruldu = seen; }

signals:
    // "Ara" or Enter in the search box; the stock list tab runs the search.
    void searchRequested(const QString &text);
    // The general menu's items that later parts handle.
    void mailRequested();
    void passwordRequestRequested();
    void reportsRequested();
    void customerChangeRequested();

public slots:
    void W1Click();
    void G1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    QFrame *buildHeader();
    QFrame *buildSearchBar();
    void buildTabs();
    QFrame *buildBottomPanel();
    QFrame *buildLegend();
    void buildMenus();
    void FormCreate(const QString &host, int port);
    bool FormCloseQuery();

    TSQLConnection bagc;
    TSonucBilgisi sbilgi;
    std::function<void(const QVariantMap &, SepetKaynagi)> m_sepeteEkle;
    std::function<void()> m_sepetiYenile;
    std::function<void()> m_stokListesiniBosalt;
    int _acilisadet = 0;
    bool _acilisgoruldu = false;

    QLabel *RxGIFAnimator2 = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *kullanicilbl = nullptr;
    QLabel *cariadilbl = nullptr;
    QLabel *saticilbl = nullptr;
    QLabel *RxGIFAnimator1 = nullptr;
    QToolButton *Button3 = nullptr;
    QMenu *Genelmenu = nullptr;
    QFrame *Panel2 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QLineEdit *araedit = nullptr;
    QToolButton *musteritus = nullptr;
    TPageControl *sPageControl1 = nullptr;
    QFrame *Panel5 = nullptr;
    QWidget *kayanyazi = nullptr;
    QFrame *Panel3 = nullptr;
};
