#pragma once

class MainWindowHost;
class QWidget;
class TSQLConnection;
class TSonucBilgisi;

// "Başka Cari Seç": the customer selection over the main connection and the session record, then
// the main window brought up to date for whatever account the record now holds.
void CariDegistir(MainWindowHost &host);
// The second half alone: header labels, basket, empty stock list, focus to the search box.
void CariDegisti(MainWindowHost &host);
// The customer selection right after a sales login; false when it was left without a choice.
bool GiristeCariSec(QWidget *owner, TSQLConnection &bag, TSonucBilgisi &bilgi);
