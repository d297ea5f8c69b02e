#pragma once

#include "app/core/mainwindowhost.h"
#include "platform/dbx/sqlconnection.h"
#include "server/baglantiu.h"

#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

// A stand-in for the main window: a tab control with a first tab and the basket sheet, the search
// box and the basket menu, over a connection to the test's server.
class BasketHost : public MainWindowHost
{
public:
    BasketHost(const QString &host, int port)
    {
        bagc.setHostName(host);
        bagc.setPort(port);
        m_window.resize(1280, 800);
        auto *layout = new QVBoxLayout(&m_window);
        araedit = new QLineEdit(&m_window);
        araedit->setObjectName(QStringLiteral("araedit"));
        araedit->setText(QStringLiteral("YAG"));
        tabs = new QTabWidget(&m_window);
        first = new QWidget;
        first->setObjectName(QStringLiteral("sstoklistesi"));
        auto *firstLayout = new QVBoxLayout(first);
        other = new QLineEdit(first);
        firstLayout->addWidget(other);
        sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("ssepet"));
        tabs->addTab(first, QStringLiteral("Stok Listesi"));
        tabs->addTab(sheet, QStringLiteral("Sepet"));
        layout->addWidget(araedit);
        layout->addWidget(tabs);
        popup = new QMenu(&m_window);
        popup->setObjectName(QStringLiteral("PopupMenu1"));
        popup->addAction(QStringLiteral("Satır Değiştir"))->setObjectName(QStringLiteral("Deitir1"));
        popup->addSeparator();
        popup->addAction(QStringLiteral("Satır Sil"))->setObjectName(QStringLiteral("SatrSil1"));
        popup->addSeparator();
        popup->addAction(QStringLiteral("Hepsini Sil"))->setObjectName(QStringLiteral("HepsiniSil1"));
    }

    TSQLConnection &connection() override { return bagc; }
    TSonucBilgisi &session() override { return sbilgi; }
    QWidget *window() override { return &m_window; }
    void setTabCaption(QWidget *tabSheet, const QString &caption) override
    {
        tabs->setTabText(tabs->indexOf(tabSheet), caption);
    }
    QString tabCaption(QWidget *tabSheet) const override { return tabs->tabText(tabs->indexOf(tabSheet)); }
    void activateTab(QWidget *tabSheet) override { tabs->setCurrentWidget(tabSheet); }
    QWidget *activeTab() const override { return tabs->currentWidget(); }
    QLineEdit *searchBox() override { return araedit; }
    void startSearch() override {}

    TSQLConnection bagc;
    TSonucBilgisi sbilgi;
    QWidget m_window;
    QLineEdit *araedit = nullptr;
    QLineEdit *other = nullptr;
    QTabWidget *tabs = nullptr;
    QWidget *first = nullptr;
    QWidget *sheet = nullptr;
    QMenu *popup = nullptr;
};
