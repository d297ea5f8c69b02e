#include "tests/support/dialoghelper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
QString caption(const QAbstractButton *button)
{
    QString text = button->text();
    return text.remove(u'&');
}

QList<QAbstractButton *> visibleButtons(QWidget *dialog)
{
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>()) {
        if (b->isVisible())
            buttons << b;
    }
    // Layout order: top to bottom, left to right.
    std::stable_sort(buttons.begin(), buttons.end(), [dialog](QAbstractButton *a, QAbstractButton *b) {
        const QPoint pa = a->mapTo(dialog, QPoint());
        const QPoint pb = b->mapTo(dialog, QPoint());
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return buttons;
}

void sendKey(QWidget *dialog, Qt::Key key)
{
    QWidget *target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QTest::keyClick(target, key);
}
} // namespace

DialogHelper::DialogHelper(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &DialogHelper::poll);
    m_timer.start();
}

DialogHelper::~DialogHelper() = default;

void DialogHelper::pressOnNext(const QString &wanted)
{
    interactOnNext([wanted](QWidget *dialog) -> QString {
        for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>()) {
            if (caption(b) != wanted)
                continue;
            if (!b->isVisible())
                return QStringLiteral("button \"%1\" is hidden").arg(wanted);
            if (!b->isEnabled())
                return QStringLiteral("button \"%1\" is disabled").arg(wanted);
            QTest::mouseClick(b, Qt::LeftButton);
            return QString();
        }
        return QStringLiteral("no button \"%1\"").arg(wanted);
    });
}

void DialogHelper::escapeOnNext()
{
    interactOnNext([](QWidget *dialog) {
        sendKey(dialog, Qt::Key_Escape);
        return QString();
    });
}

void DialogHelper::enterOnNext()
{
    interactOnNext([](QWidget *dialog) {
        sendKey(dialog, Qt::Key_Return);
        return QString();
    });
}

void DialogHelper::closeOnNext()
{
    interactOnNext([](QWidget *dialog) {
        // What the frame's close box does: a close event, accepted or not by the dialog.
        dialog->close();
        return QString();
    });
}

void DialogHelper::interactOnNext(std::function<QString(QWidget *)> interact)
{
    m_reactions.append(std::move(interact));
}

bool DialogHelper::waitForDialogs(int count, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (dialogCount() < count && clock.elapsed() < timeoutMs)
        QTest::qWait(10);
    return dialogCount() >= count;
}

QString DialogHelper::problems() const
{
    for (const Record &r : m_records) {
        if (!r.expected)
            return QStringLiteral("unexpected dialog \"%1\": %2").arg(r.title, r.text);
        if (!r.error.isEmpty())
            return QStringLiteral("dialog \"%1\": %2").arg(r.title, r.error);
    }
    return QString();
}

void DialogHelper::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == m_current || !modal->isVisible())
        return;
    m_current = modal;
    // Let the dialog finish showing (focus, default button) before looking at it.
    QPointer<QWidget> dialog(modal);
    QTimer::singleShot(0, this, [this, dialog] {
        if (dialog)
            handle(dialog);
    });
}

void DialogHelper::handle(QWidget *dialog)
{
    Record r;
    r.className = QString::fromLatin1(dialog->metaObject()->className());
    r.objectName = dialog->objectName();
    r.title = dialog->windowTitle();
    QStringList texts;
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->isVisible() && !label->text().isEmpty()) {
            if (texts.isEmpty())
                r.textFont = label->font();
            texts << label->text();
        }
    }
    r.text = texts.join(u'\n');
    for (QAbstractButton *b : visibleButtons(dialog)) {
        r.buttons << caption(b);
        if (b->hasFocus())
            r.focusButton = caption(b);
        if (auto *push = qobject_cast<QPushButton *>(b); push && push->isDefault())
            r.defaultButton = caption(b);
    }
    QPointer<QWidget> guard(dialog);
    if (m_reactions.isEmpty()) {
        r.expected = false;
        if (auto *d = qobject_cast<QDialog *>(dialog))
            d->reject();
        else
            dialog->close();
    } else {
        r.expected = true;
        r.error = m_reactions.takeFirst()(dialog);
        if (!r.error.isEmpty() && guard) {
            if (auto *d = qobject_cast<QDialog *>(guard.data()))
                d->reject();
        }
    }
    if (guard) {
        if (auto *d = qobject_cast<QDialog *>(guard.data()))
            r.result = d->result();
    }
    m_records.append(r);
}
