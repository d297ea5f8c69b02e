#pragma once

#include <QLineEdit>

// An amount field: shows its value with a display pattern (",0.00 TL;-,0.00 TL") while it has no
// focus and the plain number while it is edited. Text that is no number reads as 0.
class AmountEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit AmountEdit(QWidget *parent = nullptr);

    double value() const;
    void setValue(double value);
    void setMaxValue(double max) { m_max = max; }
    void setDisplayFormat(const QString &pattern) { m_pattern = pattern; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showFormatted();

    QString m_pattern = QStringLiteral(",0.00 TL;-,0.00 TL");
    double m_max = 0; // 0: no limit
};
