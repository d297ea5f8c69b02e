#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TSQLConnection;
class TSonucBilgisi;

// What the send needs besides the window: the computer's ID, the title and the text lines.
struct MailIcerigi
{
    QString idsi;
    QString baslik;
    QStringList satirlar;
};

// The send itself (worker thread): the account registered to the computer, then the mail. False
// when the connection could not be opened, a call raised or the account record did not come.
bool MailGonder(TSQLConnection &con, const MailIcerigi &icerik);

// "Mail Gönder": a free-text message to the distributor, sent in the background over the window's
// own connection clone.
class Tmailform : public QDialog
{
    Q_OBJECT

public:
    // Creates the window owned by AOwner and clones the connection into `con`.
    Tmailform(QWidget *AOwner, TSQLConnection &_c, TSonucBilgisi &_b);
    ~Tmailform() override;

    void Button2Click();
    void Button1Click();
    bool isSending() const;
    // The window's clone, the same for every send.
    const TSQLConnection *connection() const { return con.get(); }

signals:
    // A send's continuation has run (after its message).
    void sent(bool failed);

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    std::shared_ptr<TSQLConnection> con;
    TSonucBilgisi &m_bilgi;
    QLineEdit *baslik = nullptr;
    QPlainTextEdit *konu = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button1 = nullptr;
};
