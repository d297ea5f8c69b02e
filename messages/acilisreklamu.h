#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <memory>

class BusyIndicator;
class QLabel;
class QToolButton;
class QPushButton;
class TSQLConnection;
class TSonucBilgisi;
class ZoomImage;

// The opening advertisements, one page at a time: title, picture, "i / n", previous and next. The
// arrow keys leaf; any other key closes with 2. A click on a picture with a target closes with 1.
class Tacilisreklam : public QDialog
{
    Q_OBJECT

public:
    explicit Tacilisreklam(QWidget *parent = nullptr);
    ~Tacilisreklam() override;

    // Clones the main connection and starts loading page 1.
    void Ac(QWidget *AOwner, TSQLConnection &_c, TSonucBilgisi &_b);
    void REsimGoster(int i);

    void Button1Click();
    void Button2Click();
    void Button1xxxClick();
    void cxImage1Click();
    // The window frame's close box closes with 2 as "Kapat" does.
    void reject() override;

    // The target of the page whose record arrived last; read after the window has closed.
    QString arama;

    int sirasi = 0;
    int adet = 0;
    bool isLoading() const { return m_loading; }
    QString sayfaYazisi() const;

signals:
    // A page load's continuation has run.
    void pageLoaded();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormKeyDown(QKeyEvent *event);

    // Shared with a running page load, so closing the window mid-load frees nothing under it.
    std::shared_ptr<TSQLConnection> con;
    QLabel *Label1 = nullptr;
    ZoomImage *cxImage1 = nullptr;
    QToolButton *Button1 = nullptr;
    QToolButton *Button2 = nullptr;
    BusyIndicator *gifstokara = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Button1xxx = nullptr;
    bool m_loading = false;
};
