#include "history/bakiyelersekmesi.h"

#include "app/core/mainwindowhost.h"
#include "history/altpanel.h"
#include "history/bakiyesiparisleru.h"
#include "platform/grid/gridview.h"

#include <QEvent>
#include <QLayout>
#include <QPushButton>
#include <QTableView>

BakiyelerSekmesi::BakiyelerSekmesi(MainWindowHost &host, QWidget *sheet)
    : QObject(sheet), m_host(host), m_sheet(sheet)
{
    sheet->installEventFilter(this);
}

BakiyelerSekmesi::~BakiyelerSekmesi() = default;

bool BakiyelerSekmesi::eventFilter(QObject *watched, QEvent *event)
{
    // Minimising the main window is no change of tab.
    if (watched == m_sheet && !event->spontaneous()) {
        if (event->type() == QEvent::Show)
            sTabbakiyelerShow();
        else if (event->type() == QEvent::Hide)
            sTabbakiyelerHide();
    }
    return QObject::eventFilter(watched, event);
}

void BakiyelerSekmesi::sTabbakiyelerShow()
{
    // A show without a hide in between (the window shown again) keeps the one already there.
    if (m_window)
        return;
    auto *window = new Tbakiyesiparisler(m_sheet, m_host.connection(), m_host.session());
    m_window = window;
    window->KullaniciTipiUygula(m_host.session().MusteriTipi(), Tbakiyesiparisler::Yer::Sekme);
    window->setWindowFlags(Qt::Widget);
    window->footerPanel()->kapat()->setVisible(false);
    window->cxGridDBTableView1()->tableView()->setAccessibleName(QStringLiteral("Bakiyeler"));
    if (m_sheet->layout())
        m_sheet->layout()->addWidget(window);
    window->setGeometry(0, 0, m_sheet->width(), m_sheet->height());
    // Embedded and shown first: a failed fetch reaches the error display with the tab usable.
    window->show();
    window->BakiyeAlalim();
}

void BakiyelerSekmesi::sTabbakiyelerHide()
{
    delete m_window.data();
}
