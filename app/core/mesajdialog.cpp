#include "app/core/mesajdialog.h"

#include "platform/system/screen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int kButtonCount = 11;

QStyle::StandardPixmap kindIcon(int kind)
{
    switch (kind) {
    case mtWarning:
        return QStyle::SP_MessageBoxWarning;
    case mtError:
        return QStyle::SP_MessageBoxCritical;
    case mtInformation:
        return QStyle::SP_MessageBoxInformation;
    default:
        return QStyle::SP_MessageBoxQuestion;
    }
}
} // namespace

QString TMesajDialog::kindTitle(int kind)
{
    switch (kind) {
    case mtWarning:
        return QStringLiteral("Uyarı");
    case mtError:
        return QStringLiteral("Hata");
    case mtInformation:
        return QStringLiteral("Bilgi");
    case mtConfirmation:
        return QStringLiteral("Soru");
    default:
        return QString();
    }
}

QString TMesajDialog::buttonCaption(int index)
{
    static const char *const captions[kButtonCount] = {"Evet",         "Hayır",       "Tamam", "Vazgeç",
                                                       "İptal",        "Tekrar",      "Atla",  "&All",
                                                       "Tümüne Hayır", "Tümüne Evet", "Yardım"};
    return index >= 0 && index < kButtonCount ? QString::fromUtf8(captions[index]) : QString();
}

int TMesajDialog::buttonResult(int index)
{
    static const int results[kButtonCount] = {mrYes,    mrNo,  mrOk,      mrCancel,   mrAbort, mrRetry,
                                              mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrNone};
    return index >= 0 && index < kButtonCount ? results[index] : mrNone;
}

TMesajDialog::TMesajDialog(const QString &text, int kind, int buttons, int focusButton, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("MesajDialog"));
    setFont(messageFont());
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    const QString title = kindTitle(kind);
    setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image"));
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(kindIcon(kind), nullptr, this).pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    auto *message = new QLabel(plain, this);
    message->setObjectName(QStringLiteral("Message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    message->setTextInteractionFlags(Qt::NoTextInteraction);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        message->setMaximumWidth(qMax(300, screen->availableGeometry().width() / 2));

    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addWidget(message, 1);

    auto *row = new QHBoxLayout;
    row->addStretch(1);
    m_buttons.fill(nullptr, kButtonCount);
    for (int index = 0; index < kButtonCount; ++index) {
        if (!(buttons & (1 << index)))
            continue;
        auto *button = new QPushButton(buttonCaption(index), this);
        button->setObjectName(QStringLiteral("Button%1").arg(index));
        button->setAutoDefault(true);
        button->setMinimumWidth(qMax(button->sizeHint().width(), 90));
        const int result = buttonResult(index);
        if (index != mbHelp)
            connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        m_buttons[index] = button;
        row->addWidget(button);
    }
    row->addStretch(1);

    if (m_buttons[mbOK])
        m_buttons[mbOK]->setDefault(true);
    else if (m_buttons[mbYes])
        m_buttons[mbYes]->setDefault(true);
    else if (m_buttons[mbRetry])
        m_buttons[mbRetry]->setDefault(true);
    m_cancelButton = m_buttons[mbCancel] ? m_buttons[mbCancel]
                     : m_buttons[mbNo]   ? m_buttons[mbNo]
                                         : m_buttons[mbOK];

    // The focus button goes first in the tab order, the others follow in index order.
    m_focusButton = button(focusButton);
    QWidget *previous = m_focusButton;
    for (QPushButton *b : std::as_const(m_buttons)) {
        if (!b || b == m_focusButton)
            continue;
        if (previous)
            setTabOrder(previous, b);
        previous = b;
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton *TMesajDialog::button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons.at(index) : nullptr;
}

void TMesajDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QPushButton *first = m_focusButton;
    if (!first) {
        for (QPushButton *b : std::as_const(m_buttons)) {
            if (b) {
                first = b;
                break;
            }
        }
    }
    if (first)
        first->setFocus(Qt::TabFocusReason);
}

void TMesajDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_cancelButton)
            m_cancelButton->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TMesajDialog::reject()
{
    // Only the frame's close box comes here (Esc is handled above).
    done(mrCancel);
}
