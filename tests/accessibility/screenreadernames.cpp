#include "tests/accessibility/screenreadernames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>

#include <map>

namespace {

QString pathOf(QWidget *widget, QWidget *window)
{
    QStringList parts;
    for (QObject *o = widget; o && o != window; o = o->parent())
        parts.prepend(o->objectName().isEmpty() ? QStringLiteral("?") : o->objectName());
    return parts.join(QLatin1Char('/'));
}

// The tab widget a page belongs to: pages sit in the tab widget's stack.
QTabWidget *tabWidgetOfPage(QWidget *page)
{
    auto *stack = qobject_cast<QStackedWidget *>(page->parentWidget());
    return stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
}

void collect(QWidget *window, std::map<QWidget *, NamedControl> &seen)
{
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (!w->isVisible() || w->window() != window || !isNamedControl(w))
            continue;
        NamedControl &c = seen[w];
        c.widget = w;
        c.path = pathOf(w, window);
        c.className = QString::fromLatin1(w->metaObject()->className());
        c.name = accessibleName(w);
    }
}

} // namespace

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

bool isNamedControl(QWidget *widget)
{
    QWidget *parent = widget->parentWidget();
    if (qobject_cast<QLineEdit *>(widget))
        return !qobject_cast<QAbstractSpinBox *>(parent) && !qobject_cast<QComboBox *>(parent);
    // An item view's own parts (headers, the corner button) are read through the view's interface.
    if (qobject_cast<QAbstractItemView *>(parent))
        return false;
    return qobject_cast<QAbstractSpinBox *>(widget) || qobject_cast<QComboBox *>(widget) ||
           qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<QTextEdit *>(widget) ||
           qobject_cast<QAbstractItemView *>(widget) || qobject_cast<QAbstractButton *>(widget);
}

void showPageOf(QWidget *widget)
{
    QList<QPair<QTabWidget *, QWidget *>> chain;
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (QTabWidget *tabs = tabWidgetOfPage(w))
            chain.prepend({tabs, w});
    }
    for (const auto &[tabs, page] : chain)
        tabs->setCurrentWidget(page);
}

QList<NamedControl> visibleControls(QWidget *window, const std::function<void()> &settle)
{
    std::map<QWidget *, NamedControl> seen;
    settle();
    collect(window, seen);
    const QList<QTabWidget *> tabWidgets = window->findChildren<QTabWidget *>();
    for (QTabWidget *tabs : tabWidgets) {
        if (tabs->window() != window)
            continue;
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->isTabVisible(i))
                continue;
            showPageOf(tabs->widget(i));
            settle();
            collect(window, seen);
        }
    }
    QList<NamedControl> controls;
    for (const auto &[widget, control] : seen)
        controls.append(control);
    return controls;
}

QString unnamedReport(const QList<NamedControl> &controls)
{
    QStringList lines;
    for (const NamedControl &c : controls) {
        if (c.name.trimmed().isEmpty())
            lines.append(c.className + QLatin1Char(' ') + c.path);
    }
    return lines.join(QLatin1Char('\n'));
}
