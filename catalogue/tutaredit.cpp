#include "catalogue/tutaredit.h"

#include "platform/system/formatfloat.h"

#include <QLocale>

TutarEdit::TutarEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValue(0);
}

void TutarEdit::setDisplayFormat(const QString &pattern)
{
    const double current = Value();
    m_pattern = pattern;
    setValue(current);
}

double TutarEdit::Value() const
{
    const QLocale locale;
    QString text = this->text().trimmed();
    text.remove(locale.groupSeparator());
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    return ok ? value : 0;
}

void TutarEdit::setValue(double value)
{
    setText(FormatFloat(m_pattern, value));
}

void TutarEdit::focusOutEvent(QFocusEvent *event)
{
    // Typed text is shown in the pattern again once the user leaves the field.
    if (!isReadOnly())
        setValue(Value());
    QLineEdit::focusOutEvent(event);
}
