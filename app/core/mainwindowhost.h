#pragma once

#include <QString>

class QLineEdit;
class QWidget;
class TSQLConnection;
class TSonucBilgisi;

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

    // The search box `araedit` and the search the "Ara" button runs.
    virtual QLineEdit *searchBox() = 0;
    virtual void startSearch() = 0;
};
