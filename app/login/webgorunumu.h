#pragma once

class QWidget;

// The embedded browser (a QWebEngineView) from the module loaded on first use. It is driven through
// its properties and signals ("url", loadFinished(bool)). When the module cannot be loaded, a
// label saying why stands in its place.
QWidget *WebGorunumuOlustur(QWidget *parent);
