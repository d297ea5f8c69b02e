// The embedded browser, loaded only when a request form opens: linking Qt WebEngine into the
// program itself costs every start a hundred more libraries and tens of megabytes.
#include <QWebEngineView>

extern "C" Q_DECL_EXPORT QWidget *ravlaWebGorunumuOlustur(QWidget *parent)
{
    return new QWebEngineView(parent);
}
