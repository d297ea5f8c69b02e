#include "catalogue/stokayarintiu.h"

#include "app/core/callframe.h"
#include "app/core/icons.h"
#include "catalogue/resimalani.h"
#include "catalogue/tutaredit.h"
#include "platform/grid/gridhelpers.h"
#include "platform/system/exception.h"
#include "platform/system/formatfloat.h"

#include <QBuffer>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QColor kSlate(67, 76, 88);

QFont tahoma(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel *label(const QString &text, const QFont &font, QWidget *parent, const QString &name = QString())
{
    auto *l = new QLabel(text, parent);
    l->setFont(font);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, kSlate);
    l->setPalette(palette);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

Tstokayarinti::Tstokayarinti(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("stokayarinti"));
    setWindowTitle(QStringLiteral("Sepete Ekle"));
    setFixedSize(550, 631);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *header = new QWidget(this);
    header->setObjectName(QStringLiteral("Panel1"));
    header->setFixedHeight(97);
    auto *headerGrid = new QGridLayout(header);
    headerGrid->setContentsMargins(10, 4, 10, 4);
    headerGrid->setHorizontalSpacing(8);
    headerGrid->setVerticalSpacing(1);
    const QFont small = tahoma(11, true);
    const struct
    {
        const char *caption;
        QLabel **value;
        const char *name;
    } rows[] = {{"Barkod:", &barkod, "barkod"},
                {"Açıklama:", &adi, "adi"},
                {"Finish Kod:", &finishkod, "finishkod"},
                {"Marka:", &marka, "marka"},
                {"Model:", &model, "model"}};
    int r = 0;
    for (const auto &row : rows) {
        headerGrid->addWidget(label(QString::fromUtf8(row.caption), small, header), r, 0, Qt::AlignRight);
        *row.value = label(QStringLiteral("-"), small, header, QLatin1String(row.name));
        (*row.value)->setTextInteractionFlags(Qt::TextSelectableByMouse);
        headerGrid->addWidget(*row.value, r, 1);
        ++r;
    }
    headerGrid->setColumnStretch(1, 1);
    layout->addWidget(header);

    Image1 = new ResimAlani(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setDefaultPicture(Icons::logo(QSize(300, 150)).toImage());
    layout->addWidget(Image1, 1);

    auto *input = new QWidget(this);
    input->setObjectName(QStringLiteral("Panel2"));
    input->setFixedHeight(190);
    auto *inputRow = new QHBoxLayout(input);
    inputRow->setContentsMargins(10, 4, 10, 4);
    auto *fields = new QGridLayout;
    fields->setVerticalSpacing(2);
    const QFont big = tahoma(20);

    adet = new QSpinBox(input);
    adet->setObjectName(QStringLiteral("adet"));
    adet->setRange(1, 10000);
    adet->setValue(1);
    adet->setFont(big);
    QPalette pale = adet->palette();
    pale.setColor(QPalette::Base, QColor(246, 249, 251));
    adet->setPalette(pale);
    QLabel *adetLabel = label(QStringLiteral("Adet:"), big, input);
    adetLabel->setBuddy(adet);
    adet->setAccessibleName(QStringLiteral("Adet"));
    fields->addWidget(adetLabel, 0, 0);
    fields->addWidget(adet, 0, 1);

    Label2 = label(QStringLiteral("Fiyat:"), big, input, QStringLiteral("Label2"));
    indirimoran = label(QStringLiteral("İndirim:"), big, input, QStringLiteral("indirimoran"));
    const struct
    {
        QLabel *caption;
        TutarEdit **edit;
        const char *name;
    } edits[] = {{Label2, &birimfiyat, "birimfiyat"},
                 {indirimoran, &indtutar, "indtutar"},
                 {label(QStringLiteral("KDV Dahil:"), big, input), &kdvdahiltutar, "kdvdahiltutar"},
                 {label(QStringLiteral("Tutar:"), big, input), &geneltutar, "geneltutar"}};
    r = 1;
    for (const auto &row : edits) {
        *row.edit = new TutarEdit(input);
        (*row.edit)->setObjectName(QLatin1String(row.name));
        (*row.edit)->setFont(big);
        (*row.edit)->setReadOnly(true);
        (*row.edit)->installEventFilter(this);
        fields->addWidget(row.caption, r, 0);
        fields->addWidget(*row.edit, r, 1);
        ++r;
    }
    // Named by their captions as built: the opener rewrites the price and discount captions.
    birimfiyat->setAccessibleName(QStringLiteral("Fiyat"));
    indtutar->setAccessibleName(QStringLiteral("İndirim"));
    kdvdahiltutar->setAccessibleName(QStringLiteral("KDV Dahil"));
    geneltutar->setAccessibleName(QStringLiteral("Tutar"));
    fields->setColumnStretch(1, 1);
    inputRow->addLayout(fields, 1);

    auto *buttons = new QVBoxLayout;
    ParcaliTus1 = new QPushButton(QStringLiteral("Sipariş ekle"), input);
    ParcaliTus1->setObjectName(QStringLiteral("ParcaliTus1"));
    ParcaliTus1->setFixedSize(100, 81);
    ParcaliTus2 = new QPushButton(QStringLiteral("Vazgeç"), input);
    ParcaliTus2->setObjectName(QStringLiteral("ParcaliTus2"));
    ParcaliTus2->setFixedSize(100, 65);
    for (QPushButton *button : {ParcaliTus1, ParcaliTus2}) {
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
        // Enter confirms only from the quantity, never through a default button.
        button->setAutoDefault(false);
        button->setDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    inputRow->addLayout(buttons);
    layout->addWidget(input);

    adet->installEventFilter(this);
    m_adetEdit = adet->findChild<QLineEdit *>();
    m_adetEdit->installEventFilter(this);
    connect(adet, &QSpinBox::textChanged, this, &Tstokayarinti::adetChange);
    connect(ParcaliTus1, &QPushButton::clicked, this, [this] { done(1); });
    connect(ParcaliTus2, &QPushButton::clicked, this, [this] { done(2); });
    setFocusProxy(adet);
    adet->setFocus();
}

void Tstokayarinti::setBirimFiyatDuzenlenebilir(bool editable)
{
    birimfiyat->setReadOnly(!editable);
}

int Tstokayarinti::spinValue() const
{
    // The spinner reads a text that is not a number as its minimum.
    bool ok = false;
    const int value = adet->cleanText().trimmed().toInt(&ok);
    return ok ? value : adet->minimum();
}

int Tstokayarinti::adetDegeri() const
{
    return qBound(adet->minimum(), spinValue(), adet->maximum());
}

double Tstokayarinti::Yuvarla(double value)
{
    // The window rounds as the grids do: through the two-decimal pattern.
    return ::Yuvarla(value);
}

void Tstokayarinti::TutarHesapla()
{
    bool ok = false;
    int q = adet->cleanText().trimmed().toInt(&ok);
    if (!ok)
        q = 1;
    geneltutar->setValue(Yuvarla(q * kdvlifiyat));
}

void Tstokayarinti::TutarGuncelle()
{
    geneltutar->setValue(Yuvarla(kdvdahiltutar->Value() * spinValue()));
}

void Tstokayarinti::adetChange()
{
    TutarHesapla();
    TutarGuncelle();
}

void Tstokayarinti::done(int result)
{
    // A quantity typed outside the spinner's range is brought into it before the opener reads it.
    if (result == 1) {
        const int n = adetDegeri();
        if (adet->cleanText().trimmed() != QString::number(n)) {
            QSignalBlocker block(adet);
            adet->setValue(n);
            m_adetEdit->setText(QString::number(n));
        }
    }
    QDialog::done(result);
}

void Tstokayarinti::reject()
{
    done(2);
}

void Tstokayarinti::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    TutarHesapla();
    adet->setFocus();
    adet->selectAll();
}

bool Tstokayarinti::eventFilter(QObject *watched, QEvent *event)
{
    const bool isAdet = watched == adet || watched == m_adetEdit;
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (isEnter(key)) {
            if (isAdet)
                done(1);
            // Enter in a price field is swallowed and does nothing.
            return true;
        }
    } else if (event->type() == QEvent::KeyRelease && !isAdet) {
        TutarGuncelle();
    }
    return QDialog::eventFilter(watched, event);
}

void ResimGetir(TSQLConnection &bagc, int stokno, ResimAlani *target)
{
    if (!BaglantiAc(bagc, 1))
        return;
    QString failure;
    {
        callframe_detail::ClosesConnection closer(bagc);
        try {
            TServerMethods1Client proxy(bagc);
            qint64 boy = 0;
            QByteArray resim = proxy.ResimVer5(stokno, boy);
            // The proxy keeps the data only when its length is the announced size.
            if (boy != 0 && resim.size() == boy) {
                QBuffer buffer(&resim);
                buffer.open(QIODevice::ReadOnly);
                QImageReader reader(&buffer, "jpeg");
                QImage image;
                if (!reader.canRead() || !reader.read(&image) || image.isNull())
                    throw EReadError(QStringLiteral("JPEG resmi okunamadı (%1)").arg(reader.errorString()));
                if (target)
                    target->setPicture(image);
            }
        } catch (const Exception &error) {
            failure = error.ClassName() + QStringLiteral(": ") + error.Message();
        }
    }
    if (!failure.isEmpty()) {
        QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), failure,
                        QMessageBox::Ok, target ? target->window() : nullptr);
        box.setObjectName(QStringLiteral("resimhatasi"));
        box.exec();
    }
}
