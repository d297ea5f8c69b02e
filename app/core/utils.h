#pragma once

#include "app/core/mesajdialog.h"

#include <QString>
#include <functional>

class TSQLConnection;
class TClientDataSet;

// The connection failure text every caller shows.
inline const QString BaglantiHatasi = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");

// (Re)opens the connection: up to 11 attempts, each failure followed by a wait of 500 ms. With
// goster == 1 a complete failure shows the connection message. Returns whether it is open; never
// raises for errors derived from Exception.
bool BaglantiAc(TSQLConnection &conn, int goster);

// The wait between attempts; tests record it instead of sleeping. Empty restores QThread::msleep.
using RetryWait = std::function<void(int milliseconds)>;
RetryWait setRetryWait(RetryWait wait);

// Shows the modal message dialog centred over the active window, plays the kind's sound and
// returns the modal result (6 Yes, 7 No, 1 OK, ...; 2 when closed through the window frame).
// Called on a worker, it runs on the window thread and the worker waits for the answer.
int MesajGoster(const QString &text, int kind, int buttons, int focusButton);

// Display format "#,###,##0.00" on every plain floating-point field (not Currency, not BCD).
void OndalikBicimle(TClientDataSet &dataSet);
// Open and not empty.
bool DoluMu(const TClientDataSet &dataSet);
// Walks from the first record to the first with SEC = 1; the cursor stays where the walk stopped.
bool SecimVarMi(TClientDataSet &dataSet);

// The user's documents folder; empty when the system cannot tell.
QString BelgelerKlasoru();
// "<roaming config>/ravla", created when missing.
QString AyarKlasoru();
