#include "app/core/windowstyle.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

static void initResources()
{
    Q_INIT_RESOURCE(ravla);
}

bool ApplyWindowStyle(QApplication &app, const QString &styleSheetPath)
{
    initResources();
    QFile file(styleSheetPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString sheet = QString::fromUtf8(file.readAll());
    if (sheet.trimmed().isEmpty())
        return false;
    QStyle *base = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!base)
        return false;
    app.setStyle(base);

    const QColor sapphire(0x1d, 0x4e, 0x89);
    const QColor sapphireLight(0x3a, 0x72, 0xb8);
    const QColor steel(0xc9, 0xd0, 0xd8);
    const QColor steelDark(0x6b, 0x76, 0x82);
    QPalette palette = base->standardPalette();
    palette.setColor(QPalette::Window, steel);
    palette.setColor(QPalette::WindowText, QColor(0x1f, 0x2a, 0x36));
    palette.setColor(QPalette::Base, QColor(0xfb, 0xfc, 0xfd));
    palette.setColor(QPalette::AlternateBase, QColor(0xe8, 0xee, 0xf5));
    palette.setColor(QPalette::Button, QColor(0xdc, 0xe2, 0xe9));
    palette.setColor(QPalette::ButtonText, QColor(0x1f, 0x2a, 0x36));
    palette.setColor(QPalette::Highlight, sapphireLight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Dark, steelDark);
    palette.setColor(QPalette::Mid, steelDark.lighter(130));
    palette.setColor(QPalette::Link, sapphire);
    palette.setColor(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xe1));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    app.setPalette(palette);
    app.setStyleSheet(sheet);
    return true;
}
