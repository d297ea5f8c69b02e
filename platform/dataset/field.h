#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

class TClientDataSet;

enum class TFieldType {
    ftString,
    ftWideString,
    ftSmallint,
    ftInteger,
    ftLargeint,
    ftBoolean,
    ftFloat,
    ftCurrency,
    ftBCD,
    ftDate,
    ftTime,
    ftDateTime,
    ftTimeStamp,
    ftBlob
};

// One column of a client data set. Reads and writes go to the data set's current row.
class TField
{
public:
    TField(TClientDataSet *dataSet, int index, QString name, TFieldType type, int size);

    TClientDataSet *DataSet() const { return m_dataSet; }
    int Index() const { return m_index; }
    QString FieldName() const { return m_name; }
    TFieldType DataType() const { return m_type; }
    QString ClassName() const;
    int Size() const { return m_size; }

    QString DisplayFormat() const { return m_displayFormat; }
    void setDisplayFormat(const QString &format) { m_displayFormat = format; }
    QString DisplayLabel() const { return m_displayLabel.isEmpty() ? m_name : m_displayLabel; }
    void setDisplayLabel(const QString &label) { m_displayLabel = label; }

    bool isNumeric() const;
    bool isFloat() const;
    bool isDateTime() const;

    QVariant Value() const;
    bool IsNull() const;
    QString AsString() const;
    int AsInteger() const;
    qlonglong AsLargeInt() const;
    double AsFloat() const;
    bool AsBoolean() const;
    QDateTime AsDateTime() const;
    QString DisplayText() const;
    // Only between Edit and Post of the owning data set.
    void setValue(const QVariant &value);

    // The same conversions for any value of this field's type (models format whole columns this way).
    QString displayText(const QVariant &value) const;
    QString asString(const QVariant &value) const;

    // Brings a raw value to this type's QVariant (null stays null); throws EConvertError.
    static QVariant coerce(TFieldType type, const QVariant &value);
    // The QVariant type a value of this field is stored as; coerce() leaves such values unchanged.
    static int storedTypeId(TFieldType type);

private:
    TClientDataSet *m_dataSet;
    int m_index;
    QString m_name;
    TFieldType m_type;
    int m_size;
    QString m_displayFormat;
    QString m_displayLabel;
};

// Delphi date-time numbers: days since 1899-12-30, the fraction being the time of day.
QDateTime dateTimeFromDelphi(double value);
double dateTimeToDelphi(const QDateTime &value);
// A Delphi date/time display pattern ("dd.mm.yyyy hh:nn") as a QDateTime pattern.
QString delphiToQtDateFormat(const QString &pattern);
