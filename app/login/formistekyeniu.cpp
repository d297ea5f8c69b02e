#include "app/login/formistekyeniu.h"

#include "app/login/webgorunumu.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <unistd.h>

Tformistekyeni::Tformistekyeni(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("formistekyeni"));
    resize(900, 680);
    sitem = WebGorunumuOlustur(this);
    sitem->setObjectName(QStringLiteral("sitem"));
    Button1 = new QPushButton(QStringLiteral("Kapat"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 6);
    v->addWidget(sitem, 1);
    auto *bar = new QHBoxLayout;
    bar->addStretch();
    bar->addWidget(Button1);
    bar->addSpacing(8);
    v->addLayout(bar);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tformistekyeni::gezin(const QString &address)
{
    m_address = address;
    // The address is used as the distributor's site expects it, blank included; QUrl only
    // percent-encodes that blank on the wire, which any server reads back as the same blank.
    sitem->setProperty("url", QUrl(address, QUrl::TolerantMode));
}

void webMotoruHazirla()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (geteuid() == 0 || platform == "offscreen") {
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("--no-sandbox"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + " --no-sandbox");
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void IstekFormuGoster(QWidget *owner, const QString &caption, const QString &address)
{
    Tformistekyeni form(owner);
    form.setWindowTitle(caption);
    form.gezin(address);
    form.exec();
}
