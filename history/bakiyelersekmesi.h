#pragma once

#include "history/bakiyesiparisleru.h"

#include <QObject>
#include <QPointer>

class MainWindowHost;

// The tab "Bakiyeler" (sTabbakiyeler): a balances window embedded in the tab sheet, built anew and
// fetched on every show, freed on hide.
class BakiyelerSekmesi : public QObject
{
    Q_OBJECT

public:
    BakiyelerSekmesi(MainWindowHost &host, QWidget *sheet);
    ~BakiyelerSekmesi() override;

    void sTabbakiyelerShow();
    void sTabbakiyelerHide();

    // The embedded window while the tab is shown, null otherwise.
    Tbakiyesiparisler *benimbakiyesiparisler() const { return m_window; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MainWindowHost &m_host;
    QPointer<QWidget> m_sheet;
    QPointer<Tbakiyesiparisler> m_window;
};
