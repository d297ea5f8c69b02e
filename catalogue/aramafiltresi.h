#pragma once

#include <QObject>
#include <QString>

// The key filter of the search box: Turkish letters become their Latin base letter (ş → s, ı and
// İ → I), and whatever is typed shows in capitals the plain way, so "şirket" reads "SIRKET".
QChar AramaKarakteri(QChar typed);
QString AramaMetni(const QString &typed);

// Installed on the search box: rewrites each typed character before the box sees it. Text that
// arrives otherwise (pasted, set by code) passes untouched.
class AramaFiltresi : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
