#pragma once

#include <QLineEdit>

// A numeric edit that shows its value with a display pattern ("#,###,##0.00") and reads typed text
// in the user's locale, grouping separators allowed.
class TutarEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TutarEdit(QWidget *parent = nullptr);

    QString displayFormat() const { return m_pattern; }
    void setDisplayFormat(const QString &pattern);

    // The value of the text; 0 when it cannot be read.
    double Value() const;
    void setValue(double value);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_pattern = QStringLiteral("#,###,##0.00");
};
