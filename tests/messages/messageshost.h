#pragma once

#include "app/core/mainwindowhost.h"
#include "platform/dbx/sqlconnection.h"
#include "server/baglantiu.h"

#include <QLineEdit>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

// A stand-in for the main window: the eight tab sheets by name, the search box, and a record of the
// searches "Ara" would have started.
class MessagesHost : public MainWindowHost
{
public:
    MessagesHost(const QString &host, int port)
    {
        bagc.setHostName(host);
        bagc.setPort(port);
        m_window.resize(1000, 700);
        auto *layout = new QVBoxLayout(&m_window);
        araedit = new QLineEdit(&m_window);
        araedit->setObjectName(QStringLiteral("araedit"));
        tabs = new QTabWidget(&m_window);
        const char *const sheets[][2] = {
            {"sstoklistesi", "Stok Listesi"}, {"ssepet", "Sepet"},
            {"sonceki", "Önceki Siparişler"}, {"sccariekstre", "Cari Ekstre"},
            {"syeniler", "Yeni Stoklar"},     {"skampanyali", "Kampanyalı Stoklar"},
            {"sTabSheetduyuru", "Duyurular"}, {"sTabbakiyeler", "Bakiyeler"},
        };
        for (const auto &def : sheets) {
            auto *sheet = new QWidget;
            sheet->setObjectName(QLatin1String(def[0]));
            new QVBoxLayout(sheet);
            tabs->addTab(sheet, QString::fromUtf8(def[1]));
        }
        layout->addWidget(araedit);
        layout->addWidget(tabs);
    }

    TSQLConnection &connection() override { return bagc; }
    TSonucBilgisi &session() override { return sbilgi; }
    QWidget *window() override { return &m_window; }
    void setTabCaption(QWidget *sheet, const QString &caption) override
    {
        tabs->setTabText(tabs->indexOf(sheet), caption);
    }
    QString tabCaption(QWidget *sheet) const override { return tabs->tabText(tabs->indexOf(sheet)); }
    void activateTab(QWidget *sheet) override { tabs->setCurrentWidget(sheet); }
    QWidget *activeTab() const override { return tabs->currentWidget(); }
    QWidget *tabSheet(const QString &name) const override { return tabs->findChild<QWidget *>(name); }
    QLineEdit *searchBox() override { return araedit; }
    void startSearch() override { searches.append(araedit->text()); }

    TSQLConnection bagc;
    TSonucBilgisi sbilgi;
    QWidget m_window;
    QLineEdit *araedit = nullptr;
    QTabWidget *tabs = nullptr;
    QStringList searches;
};
