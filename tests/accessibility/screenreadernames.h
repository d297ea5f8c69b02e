#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// What a screen reader would announce for a control: the name Qt's accessibility interface gives.
QString accessibleName(QWidget *widget);

// One control a screen reader reaches, as found in a window.
struct NamedControl
{
    QWidget *widget = nullptr;
    QString path;      // object names from the window down, "?" for an unnamed object
    QString className; // the most derived class
    QString name;      // the accessible name when it was visited
};

// The controls a user works with: edits, spin boxes, combo boxes, text areas, item views and
// buttons. Parts that Qt exposes through their owner's interface are left out (the line edit of a
// spin box or combo box, the headers and corner button of an item view).
bool isNamedControl(QWidget *widget);

// Every visible control of `window` on every page of its tab widgets: each page is made current in
// turn (its outer pages too), then `settle` runs before the controls are read. A control is listed
// once, with the name it had when it was last seen.
QList<NamedControl> visibleControls(QWidget *window, const std::function<void()> &settle);

// The controls among them without a name, one line each, for a failure message.
QString unnamedReport(const QList<NamedControl> &controls);

// Makes the page holding `widget` current in every tab widget around it, innermost last.
void showPageOf(QWidget *widget);
