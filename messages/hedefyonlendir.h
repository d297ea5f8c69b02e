#pragma once

#include <QString>

class MainWindowHost;

// The target tag of the campaign list; the new-stock tag carries the dotted capital İ.
inline const QString KampanyaHedefi = QStringLiteral("#KAMPANYA#");
inline const QString YeniHedefi = QStringLiteral("#YENİ#");

// Where an announcement or an advertisement leads: the campaign tab, the new-stock tab, or a stock
// search for the text as it is (exact, case-sensitive, untrimmed match of the tags).
void HedefYonlendir(MainWindowHost &host, const QString &hedef);
