#include "platform/dataset/field.h"

#include "platform/dataset/clientdataset.h"
#include "platform/system/exception.h"
#include "platform/system/formatfloat.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {

const QDate delphiEpoch(1899, 12, 30);

QString typeText(const QVariant &value)
{
    return value.toString();
}

[[noreturn]] void badValue(const QVariant &value, const char *kind)
{
    throw EConvertError(
        QStringLiteral("'%1' is not a valid %2 value").arg(typeText(value), QLatin1String(kind)));
}

bool isTextVariant(const QVariant &value)
{
    const int id = value.metaType().id();
    return id == QMetaType::QString || id == QMetaType::QByteArray || id == QMetaType::QChar;
}

bool isFloatVariant(const QVariant &value)
{
    const int id = value.metaType().id();
    return id == QMetaType::Double || id == QMetaType::Float;
}

qlonglong toInteger(const QVariant &value, qlonglong low, qlonglong high)
{
    qlonglong result = 0;
    if (value.metaType().id() == QMetaType::Bool) {
        result = value.toBool() ? 1 : 0;
    } else if (isFloatVariant(value)) {
        const double d = value.toDouble();
        if (!std::isfinite(d) || d < double(low) || d > double(high))
            badValue(value, "integer");
        result = qlonglong(std::llround(d));
    } else if (isTextVariant(value)) {
        bool ok = false;
        result = value.toString().trimmed().toLongLong(&ok);
        if (!ok)
            badValue(value, "integer");
    } else {
        bool ok = false;
        result = value.toLongLong(&ok);
        if (!ok)
            badValue(value, "integer");
    }
    if (result < low || result > high)
        badValue(value, "integer");
    return result;
}

double toFloat(const QVariant &value)
{
    if (isTextVariant(value)) {
        const QString text = value.toString().trimmed();
        bool ok = false;
        double d = QLocale::c().toDouble(text, &ok);
        if (!ok)
            d = QLocale().toDouble(text, &ok);
        if (!ok)
            badValue(value, "floating point");
        return d;
    }
    if (value.metaType().id() == QMetaType::QDate || value.metaType().id() == QMetaType::QDateTime)
        return dateTimeToDelphi(value.toDateTime());
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (!ok)
        badValue(value, "floating point");
    return d;
}

QDateTime parseDateTime(const QString &text)
{
    const QString t = text.trimmed();
    for (const char *pattern : {"yyyy-MM-dd hh:mm:ss.zzz", "yyyy-MM-dd hh:mm:ss", "yyyy-MM-ddThh:mm:ss.zzz",
                                "yyyy-MM-ddThh:mm:ss", "yyyy-MM-dd hh:mm", "yyyy-MM-dd"}) {
        const QDateTime dt = QDateTime::fromString(t, QLatin1String(pattern));
        if (dt.isValid())
            return dt;
    }
    // Fractions of a second given with fewer or more than three digits.
    const int dot = t.lastIndexOf(QLatin1Char('.'));
    if (dot > 0) {
        const QDateTime dt = parseDateTime(t.left(dot));
        bool ok = false;
        const QString frac = t.mid(dot + 1);
        frac.toInt(&ok);
        if (dt.isValid() && ok && !frac.isEmpty())
            return dt.addMSecs(qRound((QLatin1String("0.") + frac).toDouble() * 1000.0));
    }
    return {};
}

QDateTime toDateTime(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::QDateTime:
        return value.toDateTime();
    case QMetaType::QDate:
        return value.toDate().startOfDay();
    case QMetaType::QTime:
        return QDateTime(delphiEpoch, value.toTime());
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QDateTime dt = parseDateTime(value.toString());
        if (!dt.isValid())
            badValue(value, "date and time");
        return dt;
    }
    default:
        break;
    }
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        badValue(value, "date and time");
    return dateTimeFromDelphi(d);
}

QTime toTime(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QTime)
        return value.toTime();
    if (isTextVariant(value)) {
        const QString t = value.toString().trimmed();
        for (const char *pattern : {"hh:mm:ss.zzz", "hh:mm:ss", "hh:mm"}) {
            const QTime time = QTime::fromString(t, QLatin1String(pattern));
            if (time.isValid())
                return time;
        }
        const QDateTime dt = parseDateTime(t);
        if (!dt.isValid())
            badValue(value, "time");
        return dt.time();
    }
    return toDateTime(value).time();
}

QByteArray toBytes(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QVariantList) {
        const QVariantList list = value.toList();
        QByteArray bytes;
        bytes.reserve(list.size());
        for (const QVariant &b : list) {
            bool ok = false;
            const int v = b.toInt(&ok);
            if (!ok || v < 0 || v > 255)
                throw EConvertError(QStringLiteral("Invalid byte value in a blob"));
            bytes.append(char(v));
        }
        return bytes;
    }
    if (value.metaType().id() == QMetaType::QString)
        return value.toString().toUtf8();
    return value.toByteArray();
}

bool toBool(const QVariant &value)
{
    if (isTextVariant(value)) {
        const QString t = value.toString().trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || t == QLatin1String("1"))
            return true;
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || t == QLatin1String("0"))
            return false;
        badValue(value, "boolean");
    }
    if (isFloatVariant(value))
        return value.toDouble() != 0.0;
    return value.toBool();
}

} // namespace

QDateTime dateTimeFromDelphi(double value)
{
    double days = std::trunc(value);
    // Negative values count days backwards but the time of day forwards.
    double fraction = std::fabs(value - days);
    qint64 ms = qint64(std::llround(fraction * 86400000.0));
    if (ms >= 86400000) {
        ms -= 86400000;
        days += value < 0 ? -1 : 1;
    }
    return QDateTime(delphiEpoch.addDays(qint64(days)), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

double dateTimeToDelphi(const QDateTime &value)
{
    const double days = double(delphiEpoch.daysTo(value.date()));
    const double fraction = value.time().msecsSinceStartOfDay() / 86400000.0;
    return days < 0 ? days - fraction : days + fraction;
}

QString delphiToQtDateFormat(const QString &pattern)
{
    QString out;
    bool afterHour = false;
    for (int i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        const QChar lower = c.toLower();
        int run = 1;
        while (i + run < pattern.size() && pattern.at(i + run).toLower() == lower)
            ++run;
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const int end = pattern.indexOf(c, i + 1);
            const QString literal = pattern.mid(i + 1, end < 0 ? -1 : end - i - 1);
            out += QLatin1Char('\'') + QString(literal).replace(QLatin1String("'"), QLatin1String("''")) +
                   QLatin1Char('\'');
            i = end < 0 ? pattern.size() : end + 1;
            continue;
        }
        if (lower == QLatin1Char('d')) {
            out += QString(qMin(run, 4), QLatin1Char('d'));
        } else if (lower == QLatin1Char('y')) {
            out += run <= 2 ? QLatin1String("yy") : QLatin1String("yyyy");
        } else if (lower == QLatin1Char('m')) {
            out += QString(qMin(run, 4), afterHour && run <= 2 ? QLatin1Char('m') : QLatin1Char('M'));
        } else if (lower == QLatin1Char('n')) {
            out += QString(qMin(run, 2), QLatin1Char('m'));
        } else if (lower == QLatin1Char('h')) {
            out += QString(qMin(run, 2), QLatin1Char('H'));
        } else if (lower == QLatin1Char('s')) {
            out += QString(qMin(run, 2), QLatin1Char('s'));
        } else if (lower == QLatin1Char('z')) {
            out += run >= 3 ? QLatin1String("zzz") : QLatin1String("z");
        } else if (c.isLetter()) {
            out += QLatin1Char('\'') + QString(run, c) + QLatin1Char('\'');
        } else {
            out += QString(run, c);
        }
        if (lower == QLatin1Char('h'))
            afterHour = true;
        else if (c.isLetter())
            afterHour = false;
        i += run;
    }
    return out;
}

TField::TField(TClientDataSet *dataSet, int index, QString name, TFieldType type, int size)
    : m_dataSet(dataSet), m_index(index), m_name(std::move(name)), m_type(type), m_size(size)
{}

QString TField::ClassName() const
{
    switch (m_type) {
    case TFieldType::ftString:
        return QStringLiteral("TStringField");
    case TFieldType::ftWideString:
        return QStringLiteral("TWideStringField");
    case TFieldType::ftSmallint:
        return QStringLiteral("TSmallintField");
    case TFieldType::ftInteger:
        return QStringLiteral("TIntegerField");
    case TFieldType::ftLargeint:
        return QStringLiteral("TLargeintField");
    case TFieldType::ftBoolean:
        return QStringLiteral("TBooleanField");
    case TFieldType::ftFloat:
        return QStringLiteral("TFloatField");
    case TFieldType::ftCurrency:
        return QStringLiteral("TCurrencyField");
    case TFieldType::ftBCD:
        return QStringLiteral("TBCDField");
    case TFieldType::ftDate:
        return QStringLiteral("TDateField");
    case TFieldType::ftTime:
        return QStringLiteral("TTimeField");
    case TFieldType::ftDateTime:
        return QStringLiteral("TDateTimeField");
    case TFieldType::ftTimeStamp:
        return QStringLiteral("TSQLTimeStampField");
    case TFieldType::ftBlob:
        return QStringLiteral("TBlobField");
    }
    return QStringLiteral("TField");
}

bool TField::isNumeric() const
{
    switch (m_type) {
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
    case TFieldType::ftLargeint:
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
    case TFieldType::ftBCD:
        return true;
    default:
        return false;
    }
}

bool TField::isFloat() const
{
    return m_type == TFieldType::ftFloat || m_type == TFieldType::ftCurrency || m_type == TFieldType::ftBCD;
}

bool TField::isDateTime() const
{
    return m_type == TFieldType::ftDate || m_type == TFieldType::ftTime || m_type == TFieldType::ftDateTime ||
           m_type == TFieldType::ftTimeStamp;
}

QVariant TField::Value() const
{
    return m_dataSet->currentValue(m_index);
}

bool TField::IsNull() const
{
    return !Value().isValid();
}

QString TField::AsString() const
{
    return asString(Value());
}

int TField::AsInteger() const
{
    const QVariant v = Value();
    if (!v.isValid())
        return 0;
    return int(toInteger(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

qlonglong TField::AsLargeInt() const
{
    const QVariant v = Value();
    if (!v.isValid())
        return 0;
    return toInteger(v, std::numeric_limits<qlonglong>::min(), std::numeric_limits<qlonglong>::max());
}

double TField::AsFloat() const
{
    const QVariant v = Value();
    return v.isValid() ? toFloat(v) : 0.0;
}

bool TField::AsBoolean() const
{
    const QVariant v = Value();
    return v.isValid() ? toBool(v) : false;
}

QDateTime TField::AsDateTime() const
{
    const QVariant v = Value();
    return v.isValid() ? toDateTime(v) : QDateTime();
}

QString TField::DisplayText() const
{
    return displayText(Value());
}

void TField::setValue(const QVariant &value)
{
    m_dataSet->setCurrentValue(m_index, coerce(m_type, value));
}

QString TField::asString(const QVariant &value) const
{
    if (!value.isValid())
        return {};
    const QLocale locale;
    switch (m_type) {
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
    case TFieldType::ftBCD:
        return FloatToStr(value.toDouble(), locale);
    case TFieldType::ftBoolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case TFieldType::ftDate:
        return locale.toString(value.toDate(), QLocale::ShortFormat);
    case TFieldType::ftTime:
        return value.toTime().toString(QStringLiteral("HH:mm:ss"));
    case TFieldType::ftDateTime:
    case TFieldType::ftTimeStamp: {
        const QDateTime dt = value.toDateTime();
        const QString date = locale.toString(dt.date(), QLocale::ShortFormat);
        if (dt.time().msecsSinceStartOfDay() == 0)
            return date;
        return date + QLatin1Char(' ') + dt.time().toString(QStringLiteral("HH:mm:ss"));
    }
    case TFieldType::ftBlob:
        return QString::fromLatin1(value.toByteArray());
    default:
        return value.toString();
    }
}

QString TField::displayText(const QVariant &value) const
{
    if (m_type == TFieldType::ftBlob)
        return value.isValid() ? QStringLiteral("(BLOB)") : QStringLiteral("(blob)");
    if (!value.isValid())
        return {};
    const QLocale locale;
    if (!m_displayFormat.isEmpty()) {
        if (isNumeric())
            return FormatFloat(m_displayFormat, value.toDouble(), locale);
        if (isDateTime()) {
            const QString pattern = delphiToQtDateFormat(m_displayFormat);
            if (m_type == TFieldType::ftDate)
                return locale.toString(value.toDate().startOfDay(), pattern);
            if (m_type == TFieldType::ftTime)
                return locale.toString(QDateTime(delphiEpoch, value.toTime()), pattern);
            return locale.toString(value.toDateTime(), pattern);
        }
    }
    if (m_type == TFieldType::ftCurrency)
        return locale.toCurrencyString(value.toDouble(), QString(), 2);
    return asString(value);
}

int TField::storedTypeId(TFieldType type)
{
    switch (type) {
    case TFieldType::ftString:
    case TFieldType::ftWideString:
        return QMetaType::QString;
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
        return QMetaType::Int;
    case TFieldType::ftLargeint:
        return QMetaType::LongLong;
    case TFieldType::ftBoolean:
        return QMetaType::Bool;
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
    case TFieldType::ftBCD:
        return QMetaType::Double;
    case TFieldType::ftDate:
        return QMetaType::QDate;
    case TFieldType::ftTime:
        return QMetaType::QTime;
    case TFieldType::ftDateTime:
    case TFieldType::ftTimeStamp:
        return QMetaType::QDateTime;
    case TFieldType::ftBlob:
        return QMetaType::QByteArray;
    }
    return QMetaType::UnknownType;
}

QVariant TField::coerce(TFieldType type, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (type) {
    case TFieldType::ftString:
    case TFieldType::ftWideString:
        if (value.metaType().id() == QMetaType::QByteArray)
            return QString::fromUtf8(value.toByteArray());
        if (isFloatVariant(value))
            return FloatToStr(value.toDouble(), QLocale());
        return value.toString();
    case TFieldType::ftSmallint:
        return int(toInteger(value, -32768, 32767));
    case TFieldType::ftInteger:
        return int(toInteger(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    case TFieldType::ftLargeint:
        return toInteger(value, std::numeric_limits<qlonglong>::min(), std::numeric_limits<qlonglong>::max());
    case TFieldType::ftBoolean:
        return toBool(value);
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
    case TFieldType::ftBCD:
        return toFloat(value);
    case TFieldType::ftDate:
        return toDateTime(value).date();
    case TFieldType::ftTime:
        return toTime(value);
    case TFieldType::ftDateTime:
    case TFieldType::ftTimeStamp:
        return toDateTime(value);
    case TFieldType::ftBlob:
        return toBytes(value);
    }
    return value;
}
