#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

// Answers the modal dialogs a test provokes. Queue one reaction per expected dialog; the helper
// watches QApplication::activeModalWidget(), records what each dialog showed and reacts. A dialog
// without a queued reaction is recorded as unexpected and rejected, so a test never hangs on it.
// Pressing a button that is missing, hidden or disabled fails the record instead of clicking.
class DialogHelper : public QObject
{
    Q_OBJECT

public:
    struct Record
    {
        QString className;
        QString objectName;
        QString title;
        QString text;          // the visible labels' texts, joined by "\n"
        QStringList buttons;   // visible button captions in layout order, without '&'
        QString focusButton;   // caption of the button holding the focus when the dialog came
        QString defaultButton; // caption of the default button
        QFont textFont;        // font of the first text label
        bool expected = false; // a reaction was queued for it
        QString error;         // empty when the reaction worked
        int result = -1;       // QDialog::result() after the reaction, when it is a QDialog
    };

    explicit DialogHelper(QObject *parent = nullptr);
    ~DialogHelper() override;

    void pressOnNext(const QString &caption);
    void escapeOnNext();
    void enterOnNext();
    void closeOnNext(); // the window frame's close box
    // Free interaction; return an error text to fail the record, empty when fine.
    void interactOnNext(std::function<QString(QWidget *)> interact);

    // Processes events until `count` dialogs in all have come, or the time is up.
    bool waitForDialogs(int count, int timeoutMs = 10000);
    QList<Record> records() const { return m_records; }
    int dialogCount() const { return int(m_records.size()); }
    int pending() const { return int(m_reactions.size()); }
    // Every record expected and without error; describes the first problem otherwise.
    QString problems() const;

private:
    void poll();
    void handle(QWidget *dialog);

    QTimer m_timer;
    QList<std::function<QString(QWidget *)>> m_reactions;
    QList<Record> m_records;
    QPointer<QWidget> m_current;
};
