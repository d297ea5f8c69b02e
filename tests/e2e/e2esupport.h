#pragma once

// What the end-to-end programs share: the program's own start (login window, start-up loads) against
// the in-process server, and the mouse and keyboard moves a user makes on grids, tabs and menus.

#include "app/core/identity.h"
#include "app/core/mesajdialog.h"
#include "app/login/girisformu.h"
#include "app/pagecontrol.h"
#include "app/sekmeler.h"
#include "app/unit1.h"
#include "platform/grid/gridcolumn.h"
#include "platform/grid/gridrowsmodel.h"
#include "platform/grid/gridview.h"
#include "sales/caridegistir.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/dialoghelper.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTest>

namespace e2e {

// This machine as the server knows it: a fixed disk serial, so the computer ID is known before login.
inline QString machineId(const QString &diskSerial)
{
    IdentitySources sources;
    sources.diskSerial = [diskSerial] { return diskSerial; };
    sources.macAddresses = [] { return QStringList{QStringLiteral("00-1A-2B-3C-4D-5E")}; };
    sources.hostName = [] { return QStringLiteral("E2EPC"); };
    sources.userName = [] { return QStringLiteral("kasa"); };
    sources.localIp = [] { return QStringLiteral("192.168.1.20"); };
    setIdentitySources(sources);
    setDiskAliases({});
    return BilgisayarIdAl();
}

// The hooks main() installs, with the addresses pointed at the in-process server.
inline void installProgramHooks(const AppServerFixture &server)
{
    const QString host = server.host();
    const int port = server.port();
    TForm1::setHooks({[host, port](TForm1 &form) {
                          GirisOrtami ortam = GirisOrtami::varsayilan();
                          ortam.serverHost = host;
                          ortam.serverPort = port;
                          ortam.makerBase = QStringLiteral("http://%1:%2/").arg(host).arg(port);
                          ortam.webBase = ortam.makerBase;
                          ortam.ipTries = 2;
                          ortam.musteriSecimi = GiristeCariSec;
                          Tgirisform giris(&form, form.connection(), form.session(), ortam);
                          return giris.exec() == QDialog::Accepted;
                      },
                      AcilisYukleriniBaslat});
}

// The login window's reaction: the name and the password typed as a user types them, then "Giriş".
inline std::function<QString(QWidget *)> typeLogin(const QString &name, const QString &password)
{
    return [name, password](QWidget *dialog) -> QString {
        if (!qobject_cast<Tgirisform *>(dialog))
            return QStringLiteral("not the login window: %1").arg(dialog->metaObject()->className());
        auto *adi = dialog->findChild<QLineEdit *>(QStringLiteral("adi"));
        auto *sifre = dialog->findChild<QLineEdit *>(QStringLiteral("sifre"));
        auto *giris = dialog->findChild<QPushButton *>(QStringLiteral("Button1"));
        if (!adi || !sifre || !giris)
            return QStringLiteral("login window without its edits or button");
        if (!adi->hasFocus())
            return QStringLiteral("the name box does not have the focus");
        QTest::keyClicks(adi, name);
        QTest::keyClick(adi, Qt::Key_Return); // to the password box
        if (!sifre->hasFocus())
            return QStringLiteral("Enter in the name box did not move to the password box");
        QTest::keyClicks(sifre, password);
        if (adi->text() != name || sifre->text() != password)
            return QStringLiteral("typed \"%1\"/\"%2\"").arg(adi->text(), sifre->text());
        QTest::mouseClick(giris, Qt::LeftButton);
        return QString();
    };
}

// Checks one record of the dialog helper against the message dialog the program shows.
inline QString messageProblem(const DialogHelper::Record &r, const QString &text, int kind)
{
    if (r.className != QLatin1String("TMesajDialog"))
        return QStringLiteral("not a message dialog: %1 \"%2\"").arg(r.className, r.text);
    if (r.title != TMesajDialog::kindTitle(kind))
        return QStringLiteral("kind \"%1\" instead of \"%2\" for \"%3\"")
            .arg(r.title, TMesajDialog::kindTitle(kind), r.text);
    if (r.text != text)
        return QStringLiteral("text \"%1\" instead of \"%2\"").arg(r.text, text);
    return QString();
}

// The first shown record whose cell holds the value.
inline int recordWhere(GridView *grid, const QString &field, const QVariant &value)
{
    GridColumn *column = grid->columnByField(field);
    if (!column)
        return -1;
    for (int record : grid->shownRecords()) {
        if (grid->rawValue(column, record) == value)
            return record;
    }
    return -1;
}

// The cell's index in the grid's table, scrolled into view; invalid when it is not shown.
inline QModelIndex cellOf(GridView *grid, int record, const QString &field)
{
    GridColumn *column = grid->columnByField(field);
    const int row = grid->rowsModel()->rowOfSource(record);
    if (!column || row < 0)
        return {};
    QTableView *view = grid->tableView();
    const QModelIndex index = view->model()->index(row, grid->indexOf(column));
    view->scrollTo(index);
    return view->visualRect(index).isValid() ? index : QModelIndex();
}

inline bool clickCell(GridView *grid, int record, const QString &field)
{
    const QModelIndex index = cellOf(grid, record, field);
    if (!index.isValid())
        return false;
    QTableView *view = grid->tableView();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    return true;
}

// A double click as the mouse makes it: a click, then the double click on the same place.
inline bool doubleClickCell(GridView *grid, int record, const QString &field)
{
    if (!clickCell(grid, record, field))
        return false;
    QTableView *view = grid->tableView();
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                       view->visualRect(cellOf(grid, record, field)).center());
    return true;
}

// A right click on the cell (the context menu event the click makes), then a click on the menu's
// item. False when no menu came up or the item is not in it.
inline bool contextMenuItem(GridView *grid, int record, const QString &field, const QString &itemName)
{
    const QModelIndex index = cellOf(grid, record, field);
    if (!index.isValid())
        return false;
    QWidget *viewport = grid->tableView()->viewport();
    const QPoint pos = grid->tableView()->visualRect(index).center();
    QTest::mouseClick(viewport, Qt::RightButton, {}, pos);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
    QApplication::sendEvent(viewport, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu)
        return false;
    QAction *action = menu->findChild<QAction *>(itemName);
    if (!action || !menu->actions().contains(action) || !action->isVisible()) {
        menu->close();
        return false;
    }
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    return true;
}

// A click on the tab's caption in the tab bar.
inline bool clickTab(TForm1 &form, const QString &sheetName)
{
    TPageControl *pages = form.pageControl();
    const int index = pages->indexOf(form.tabSheet(sheetName));
    if (index < 0 || !pages->tabBar()->isTabVisible(index))
        return false;
    QTabBar *bar = pages->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    return pages->currentIndex() == index;
}

} // namespace e2e
