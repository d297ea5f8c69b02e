#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QPushButton;

// Message kinds, buttons and modal results as the program's callers pass and expect them.
enum TMsgDlgType { mtWarning = 0, mtError = 1, mtInformation = 2, mtConfirmation = 3 };
enum TMsgDlgBtn {
    mbYes = 0,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp
};
// Button sets: bit n stands for the button of index n.
constexpr int mbYesNo = (1 << mbYes) | (1 << mbNo);
constexpr int mbOKOnly = 1 << mbOK;
enum TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 12,
    mrNoToAll = 13,
    mrYesToAll = 14
};

// The one message dialog of the program: the kind's icon and title, Turkish captions, the buttons in
// index order. Enter presses the focused button (the default one otherwise); Esc presses the cancel
// button (Cancel, else No, else OK; nothing when none is there); the frame's close box gives mrCancel.
class TMesajDialog : public QDialog
{
    Q_OBJECT

public:
    TMesajDialog(const QString &text, int kind, int buttons, int focusButton, QWidget *parent = nullptr);

    static QString kindTitle(int kind);      // empty for an unknown kind
    static QString buttonCaption(int index); // "Evet", "Hayır", ...
    static int buttonResult(int index);

    QPushButton *button(int index) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

public slots:
    void reject() override;

private:
    QList<QPushButton *> m_buttons; // by index, null when not in the set
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_focusButton = nullptr;
};
