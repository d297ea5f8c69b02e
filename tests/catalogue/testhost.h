#pragma once

#include "app/core/mainwindowhost.h"
#include "platform/dbx/sqlconnection.h"
#include "server/baglantiu.h"

#include <QLineEdit>
#include <QList>
#include <QPair>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QVariantMap>
#include <QWidget>

#include <string>
#include <vector>

// A small main window for the catalogue tabs: a search box above a tab control with the three
// catalogue tabs, the connection and the session record.
class TestHost : public MainWindowHost
{
public:
    TestHost()
    {
        auto *layout = new QVBoxLayout(&m_window);
        araedit = new QLineEdit(&m_window);
        araedit->setObjectName(QStringLiteral("araedit"));
        layout->addWidget(araedit);
        tabs = new QTabWidget(&m_window);
        layout->addWidget(tabs);
        for (const char *name : {"sstoklistesi", "ssepet", "syeniler", "skampanyali"}) {
            auto *sheet = new QWidget;
            sheet->setObjectName(QLatin1String(name));
            tabs->addTab(sheet, QLatin1String(name));
        }
        tabs->setCurrentIndex(1);
        bagc.setHostName(QStringLiteral("127.0.0.1"));
        m_window.resize(1300, 700);
    }

    QWidget *sheet(const char *name) const { return tabs->findChild<QWidget *>(QLatin1String(name)); }

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
    void sepeteEkle(const QVariantMap &stockRow, SepetKaynagi source) override
    {
        offered << qMakePair(stockRow, source);
    }

    QLineEdit *araedit = nullptr;
    QTabWidget *tabs = nullptr;
    TSQLConnection bagc;
    TSonucBilgisi sbilgi;
    QList<QPair<QVariantMap, SepetKaynagi>> offered;

private:
    QWidget m_window;
};

// A data packet in the wire's table form: columns (name, DBX type code) and rows of JSON values.
inline std::string tableJson(const std::vector<std::pair<std::string, int>> &columns,
                             const std::vector<std::vector<std::string>> &rows)
{
    std::string json = "{\"table\":[";
    for (size_t c = 0; c < columns.size(); ++c) {
        if (c)
            json += ',';
        json += "[\"" + columns[c].first + "\"," + std::to_string(columns[c].second) + "," +
                std::to_string(c) + ",0,0,0,0,0,true,false,0,false,false]";
    }
    json += "]";
    for (size_t c = 0; c < columns.size(); ++c) {
        json += ",\"" + columns[c].first + "\":[";
        for (size_t r = 0; r < rows.size(); ++r) {
            if (r)
                json += ',';
            json += rows[r][c];
        }
        json += "]";
    }
    return json + "}";
}

inline std::string resultOf(const std::string &table)
{
    return "{\"result\":[" + table + "]}";
}
