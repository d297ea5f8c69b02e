#pragma once

#include <QString>

class QWidget;

// The embedded browser (a QWebEngineView) from the module loaded on first use. It is driven through
// its properties and signals ("url", loadFinished(bool)). When the module cannot be loaded, a
// label saying so stands in its place and `hata` gets the reason.
QWidget *WebGorunumuOlustur(QWidget *parent, QString *hata = nullptr);
