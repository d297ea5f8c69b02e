#include "history/amountedit.h"

#include "platform/system/formatfloat.h"

#include <QLocale>

AmountEdit::AmountEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    showFormatted();
}

double AmountEdit::value() const
{
    const QLocale locale;
    QString plain = text();
    plain.remove(QStringLiteral("TL")).remove(locale.groupSeparator());
    plain = plain.trimmed();
    bool ok = false;
    double v = locale.toDouble(plain, &ok);
    if (!ok)
        return 0;
    if (m_max > 0 && v > m_max)
        v = m_max;
    return v;
}

void AmountEdit::setValue(double value)
{
    if (m_max > 0 && value > m_max)
        value = m_max;
    setText(FloatToStr(value));
    if (!hasFocus())
        showFormatted();
}

void AmountEdit::focusInEvent(QFocusEvent *event)
{
    setText(FloatToStr(value()));
    QLineEdit::focusInEvent(event);
}

void AmountEdit::focusOutEvent(QFocusEvent *event)
{
    showFormatted();
    QLineEdit::focusOutEvent(event);
}

void AmountEdit::showFormatted()
{
    setText(FormatFloat(m_pattern, value()));
}
