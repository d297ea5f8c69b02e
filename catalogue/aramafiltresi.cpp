#include "catalogue/aramafiltresi.h"

#include <QCoreApplication>
#include <QKeyEvent>

QChar AramaKarakteri(QChar typed)
{
    switch (typed.unicode()) {
    case 287: // ğ
        return QChar(u'g');
    case 252: // ü
        return QChar(u'u');
    case 351: // ş
        return QChar(u's');
    case 246: // ö
        return QChar(u'o');
    case 231: // ç
        return QChar(u'c');
    case 286: // Ğ
        return QChar(u'G');
    case 220: // Ü
        return QChar(u'U');
    case 350: // Ş
        return QChar(u'S');
    case 304: // İ
        return QChar(u'I');
    case 214: // Ö
        return QChar(u'O');
    case 199: // Ç
        return QChar(u'C');
    case 305: // ı
        return QChar(u'I');
    default:
        return typed;
    }
}

QString AramaMetni(const QString &typed)
{
    QString text;
    text.reserve(typed.size());
    for (QChar c : typed) {
        const QChar mapped = AramaKarakteri(c);
        // The box's capitals are the plain ones: i gives I, not the Turkish dotted capital.
        text.append(mapped.isLower() ? mapped.toUpper() : mapped);
    }
    return text;
}

bool AramaFiltresi::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return QObject::eventFilter(watched, event);
    const QString mapped = AramaMetni(text);
    if (mapped == text)
        return QObject::eventFilter(watched, event);
    QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), mapped, key->isAutoRepeat(),
                       ushort(key->count()));
    watched->removeEventFilter(this);
    QCoreApplication::sendEvent(watched, &replaced);
    watched->installEventFilter(this);
    return true;
}
