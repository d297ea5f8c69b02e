#include "messages/hedefyonlendir.h"

#include "app/core/mainwindowhost.h"

#include <QLineEdit>

void HedefYonlendir(MainWindowHost &host, const QString &hedef)
{
    if (hedef == KampanyaHedefi) {
        host.activateTab(host.tabSheet(QStringLiteral("skampanyali")));
    } else if (hedef == YeniHedefi) {
        host.activateTab(host.tabSheet(QStringLiteral("syeniler")));
    } else {
        // Straight into the box: the typing filter's letter mapping does not apply here.
        host.searchBox()->setText(hedef);
        host.startSearch();
    }
}
