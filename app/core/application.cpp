#include "app/core/application.h"

#include "platform/system/exception.h"

#include <QMessageBox>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const Exception &error) {
        ShowException(error);
        return false;
    }
}

QString TApplication::exceptionText(const Exception &error)
{
    QString text = error.Message();
    if (!text.isEmpty() && text.back() > u'.')
        text += u'.';
    return text;
}

void TApplication::ShowException(const Exception &error)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), exceptionText(error),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ExceptionBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
