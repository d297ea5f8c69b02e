#pragma once

#include <QApplication>

class Exception;

// The application object. An Exception that no call site caught is shown in a plain error box
// and the program goes on; nothing crosses the event loop.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // The default error display: the message in an error box titled with the application title.
    static void ShowException(const Exception &error);
    // The text shown: a final full stop is added the way the original display did.
    static QString exceptionText(const Exception &error);
};
