#include "messages/acilisreklamu.h"

#include "app/core/callframe.h"
#include "messages/hexcoz.h"
#include "platform/system/async.h"
#include "platform/widgets/busyindicator.h"
#include "platform/widgets/zoomimage.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

namespace {

struct Sayfa
{
    std::optional<int> adet;
    std::optional<TAcilisEkran> kayit;
    QImage resim;
};

} // namespace

Tacilisreklam::Tacilisreklam(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("acilisreklam"));
    setWindowTitle(QString());
    setFixedSize(606, 480);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 10, 3, 0);
    layout->setSpacing(10);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setTextFormat(Qt::PlainText);
    QFont titleFont = font();
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    layout->addWidget(Label1);

    cxImage1 = new ZoomImage(this);
    cxImage1->setObjectName(QStringLiteral("cxImage1"));
    cxImage1->setCursor(Qt::PointingHandCursor);
    layout->addWidget(cxImage1, 1);
    connect(cxImage1, &ZoomImage::clicked, this, &Tacilisreklam::cxImage1Click);

    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setFixedHeight(41);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(3, 3, 3, 3);
    auto iconButton = [&](const char *name, QStyle::StandardPixmap icon) {
        auto *button = new QToolButton(bar);
        button->setObjectName(QLatin1String(name));
        button->setIcon(style()->standardIcon(icon));
        button->setIconSize(QSize(24, 24));
        button->setFixedSize(49, 35);
        button->setFocusPolicy(Qt::NoFocus);
        row->addWidget(button);
        return button;
    };
    Button1 = iconButton("Button1", QStyle::SP_ArrowLeft);
    Button2 = iconButton("Button2", QStyle::SP_ArrowRight);
    Button1->setAccessibleName(QStringLiteral("Önceki"));
    Button2->setAccessibleName(QStringLiteral("Sonraki"));
    connect(Button1, &QToolButton::clicked, this, &Tacilisreklam::Button1Click);
    connect(Button2, &QToolButton::clicked, this, &Tacilisreklam::Button2Click);
    gifstokara = new BusyIndicator(bar);
    gifstokara->setObjectName(QStringLiteral("gifstokara"));
    row->addWidget(gifstokara);
    Label2 = new QLabel(bar);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    row->addWidget(Label2, 1);
    Button1xxx =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Kapat"), bar);
    Button1xxx->setObjectName(QStringLiteral("Button1xxx"));
    Button1xxx->setFixedSize(131, 35);
    Button1xxx->setFocusPolicy(Qt::NoFocus);
    Button1xxx->setAutoDefault(false);
    connect(Button1xxx, &QPushButton::clicked, this, &Tacilisreklam::Button1xxxClick);
    row->addWidget(Button1xxx);
    layout->addWidget(bar);

    // Keys reach the window before any of its controls.
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
}

Tacilisreklam::~Tacilisreklam() = default;

void Tacilisreklam::Ac(QWidget *AOwner, TSQLConnection &_c, TSonucBilgisi &)
{
    if (AOwner && !parent())
        setParent(AOwner, windowFlags());
    con = std::shared_ptr<TSQLConnection>(_c.CloneConnection());
    sirasi = 1;
    REsimGoster(1);
}

QString Tacilisreklam::sayfaYazisi() const
{
    return QString::number(sirasi) + QStringLiteral(" / ") + QString::number(adet);
}

void Tacilisreklam::REsimGoster(int i)
{
    Button1->setEnabled(false);
    Button2->setEnabled(false);
    gifstokara->start();
    m_loading = true;
    auto sayfa = std::make_shared<Sayfa>();
    const std::shared_ptr<TSQLConnection> baglanti = con;
    Async([sayfa, baglanti, i] {
        if (!BaglantiAc(*baglanti, 1))
            return;
        try {
            TServerMethods1Client proxy(*baglanti);
            sayfa->adet = proxy.AcilisReklamAdet();
            sayfa->kayit = proxy.AcilisREklamVer(i - 1);
            if (sayfa->kayit)
                sayfa->resim = QImage::fromData(HexCoz(sayfa->kayit->Resim()), "JPEG");
        } catch (const Exception &) {
            // A page that cannot be fetched or shown leaves the window as it was.
        }
        baglanti->Close();
    })->Await(this, [this, sayfa] {
        if (sayfa->adet)
            adet = *sayfa->adet;
        if (sayfa->kayit) {
            arama = sayfa->kayit->Arama();
            Label1->setText(sayfa->kayit->Baslik());
            if (!sayfa->resim.isNull())
                cxImage1->setImage(sayfa->resim);
            Label2->setText(sayfaYazisi());
        }
        Button1->setEnabled(true);
        Button2->setEnabled(true);
        gifstokara->stop();
        m_loading = false;
        emit pageLoaded();
    });
}

void Tacilisreklam::Button1Click()
{
    if (sirasi == 1)
        return;
    --sirasi;
    REsimGoster(sirasi);
    Label2->setText(sayfaYazisi());
}

void Tacilisreklam::Button2Click()
{
    // Not past the last page, also when the count never arrived (adet 0).
    if (sirasi >= adet)
        return;
    ++sirasi;
    REsimGoster(sirasi);
    Label2->setText(sayfaYazisi());
}

void Tacilisreklam::Button1xxxClick()
{
    done(2);
}

void Tacilisreklam::reject()
{
    done(2);
}

void Tacilisreklam::cxImage1Click()
{
    done(arama.trimmed().isEmpty() ? 2 : 1);
}

void Tacilisreklam::FormKeyDown(QKeyEvent *event)
{
    event->accept();
    if (event->key() == Qt::Key_Left) {
        if (Button1->isEnabled())
            Button1Click();
    } else if (event->key() == Qt::Key_Right) {
        if (Button2->isEnabled())
            Button2Click();
    } else {
        done(2);
    }
}

void Tacilisreklam::keyPressEvent(QKeyEvent *event)
{
    FormKeyDown(event);
}

bool Tacilisreklam::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched != this) {
        FormKeyDown(static_cast<QKeyEvent *>(event));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
