#include "platform/dataset/clientdataset.h"

#include "platform/system/exception.h"

TClientDataSet::TClientDataSet(QObject *parent) : QObject(parent) {}

TClientDataSet::~TClientDataSet() = default;

void TClientDataSet::checkActive() const
{
    if (m_state == State::dsInactive)
        throw Exception(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void TClientDataSet::checkStructureEditable() const
{
    if (m_state != State::dsInactive)
        throw Exception(QStringLiteral("Cannot perform this operation on an open dataset"));
}

void TClientDataSet::checkBrowseMode()
{
    checkActive();
    if (m_state == State::dsEdit)
        Post();
}

void TClientDataSet::clearFields()
{
    checkStructureEditable();
    m_fields.clear();
}

TField *TClientDataSet::addField(const QString &name, TFieldType type, int size)
{
    checkStructureEditable();
    if (name.isEmpty())
        throw Exception(QStringLiteral("Field name missing"));
    if (FindField(name))
        throw Exception(QStringLiteral("Duplicate field name '%1'").arg(name));
    m_fields.push_back(std::make_unique<TField>(this, int(m_fields.size()), name, type, size));
    return m_fields.back().get();
}

TField *TClientDataSet::field(int index) const
{
    if (index < 0 || index >= FieldCount())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_fields[size_t(index)].get();
}

int TClientDataSet::fieldIndex(const QString &name) const
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i]->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

TField *TClientDataSet::FindField(const QString &name) const
{
    const int index = fieldIndex(name);
    return index < 0 ? nullptr : m_fields[size_t(index)].get();
}

TField *TClientDataSet::FieldByName(const QString &name) const
{
    TField *f = FindField(name);
    if (!f)
        throw Exception(QStringLiteral("Field '%1' not found").arg(name));
    return f;
}

void TClientDataSet::CreateDataSet()
{
    if (m_fields.empty())
        throw Exception(QStringLiteral("Missing data provider or data packet"));
    m_rows.clear();
    m_editBuffer.clear();
    m_state = State::dsBrowse;
    m_current = -1;
    m_bof = m_eof = true;
    if (notifying())
        emit dataSetChanged();
}

void TClientDataSet::Open()
{
    if (!Active())
        CreateDataSet();
}

void TClientDataSet::Close()
{
    if (m_state == State::dsInactive)
        return;
    m_rows.clear();
    m_editBuffer.clear();
    m_state = State::dsInactive;
    m_current = -1;
    m_bof = m_eof = true;
    if (notifying())
        emit dataSetChanged();
}

void TClientDataSet::EmptyDataSet()
{
    checkActive();
    m_rows.clear();
    m_editBuffer.clear();
    m_state = State::dsBrowse;
    m_current = -1;
    m_bof = m_eof = true;
    if (notifying())
        emit dataSetChanged();
}

QVariantList TClientDataSet::coerceRow(const QVariantList &values) const
{
    if (values.size() != FieldCount())
        throw Exception(
            QStringLiteral("Row has %1 values for %2 fields").arg(values.size()).arg(FieldCount()));
    // Loaders hand over values already of the field's type: keep such a row as it is (no copy).
    bool stored = true;
    for (int i = 0; i < values.size() && stored; ++i) {
        const QVariant &v = values.at(i);
        const TFieldType type = m_fields[size_t(i)]->DataType();
        // Small integers still need their range check.
        stored = !v.isValid() ||
                 (type != TFieldType::ftSmallint && v.metaType().id() == TField::storedTypeId(type));
    }
    if (stored)
        return values;
    QVariantList row;
    row.reserve(values.size());
    for (int i = 0; i < values.size(); ++i)
        row.append(TField::coerce(m_fields[size_t(i)]->DataType(), values.at(i)));
    return row;
}

void TClientDataSet::appendRow(const QVariantList &values)
{
    checkBrowseMode();
    QVariantList row = coerceRow(values);
    const int at = int(m_rows.size());
    if (notifying())
        emit rowsAboutToBeAppended(at, at);
    m_rows.append(std::move(row));
    if (m_current < 0)
        setCursor(0, true, false);
    if (notifying())
        emit rowsAppended();
}

void TClientDataSet::appendRows(QVector<QVariantList> rows)
{
    appendRows(std::move(rows), RowTypes::Check);
}

void TClientDataSet::appendRows(QVector<QVariantList> rows, RowTypes types)
{
    checkBrowseMode();
    if (rows.isEmpty())
        return;
    // Convert everything first so a bad value leaves the data set as it was. A row that needs no
    // conversion comes back shared and is left alone, so the shared row list is not copied for it.
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (types == RowTypes::AlreadyStored && rows.at(r).size() == FieldCount())
            continue;
        QVariantList row = coerceRow(rows.at(r));
        if (!row.isSharedWith(rows.at(r)))
            rows[r] = std::move(row);
    }
    const int first = int(m_rows.size());
    if (notifying())
        emit rowsAboutToBeAppended(first, first + int(rows.size()) - 1);
    if (m_rows.isEmpty())
        m_rows = std::move(rows);
    else
        m_rows.append(rows);
    if (m_current < 0)
        setCursor(0, true, false);
    if (notifying())
        emit rowsAppended();
}

void TClientDataSet::setCursor(int row, bool bof, bool eof)
{
    const bool moved = row != m_current;
    m_current = row;
    m_bof = bof;
    m_eof = eof;
    if (moved && notifying())
        emit cursorMoved(row);
}

void TClientDataSet::setRecNo(int recNo)
{
    checkBrowseMode();
    if (recNo < 1 || recNo > RecordCount())
        throw Exception(QStringLiteral("Record not found"));
    setCursor(recNo - 1, false, false);
}

void TClientDataSet::First()
{
    checkBrowseMode();
    setCursor(m_rows.isEmpty() ? -1 : 0, true, m_rows.isEmpty());
}

void TClientDataSet::Last()
{
    checkBrowseMode();
    setCursor(int(m_rows.size()) - 1, m_rows.isEmpty(), true);
}

void TClientDataSet::Next()
{
    checkBrowseMode();
    if (m_current + 1 < m_rows.size())
        setCursor(m_current + 1, false, false);
    else
        m_eof = true;
}

void TClientDataSet::Prior()
{
    checkBrowseMode();
    if (m_current > 0)
        setCursor(m_current - 1, false, false);
    else
        m_bof = true;
}

bool TClientDataSet::Locate(const QString &fieldName, const QVariant &value)
{
    checkBrowseMode();
    TField *f = FieldByName(fieldName);
    QVariant wanted;
    try {
        wanted = TField::coerce(f->DataType(), value);
    } catch (const EConvertError &) {
        return false; // a value the field can never hold matches no row
    }
    const int column = f->Index();
    for (int i = 0; i < m_rows.size(); ++i) {
        const QVariant &v = m_rows[i][column];
        if (v.isValid() != wanted.isValid())
            continue;
        if (!wanted.isValid() || v == wanted) {
            setCursor(i, false, false);
            return true;
        }
    }
    return false;
}

void TClientDataSet::Edit()
{
    checkActive();
    if (m_state == State::dsEdit)
        return;
    if (m_current < 0)
        throw Exception(QStringLiteral("Cannot edit an empty dataset"));
    m_editBuffer = m_rows[m_current];
    m_state = State::dsEdit;
}

void TClientDataSet::Post()
{
    if (m_state != State::dsEdit)
        return;
    QVariantList &stored = m_rows[m_current];
    QList<int> changed;
    for (int c = 0; c < stored.size(); ++c) {
        if (stored[c] != m_editBuffer[c] || stored[c].isValid() != m_editBuffer[c].isValid()) {
            stored[c] = m_editBuffer[c];
            changed.append(c);
        }
    }
    m_editBuffer.clear();
    m_state = State::dsBrowse;
    if (notifying()) {
        for (int c : changed)
            emit valueChanged(m_current, c);
    }
}

void TClientDataSet::Cancel()
{
    if (m_state != State::dsEdit)
        return;
    m_editBuffer.clear();
    m_state = State::dsBrowse;
}

void TClientDataSet::DisableControls()
{
    ++m_disableCount;
}

void TClientDataSet::EnableControls()
{
    if (m_disableCount == 0)
        return;
    if (--m_disableCount == 0)
        emit dataSetChanged();
}

QVariant TClientDataSet::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= FieldCount())
        return {};
    return m_rows[row][column];
}

QVariant TClientDataSet::currentValue(int column) const
{
    if (m_state == State::dsEdit)
        return m_editBuffer.value(column);
    if (m_current < 0)
        return {};
    return m_rows[m_current].value(column);
}

void TClientDataSet::setCurrentValue(int column, const QVariant &value)
{
    if (m_state != State::dsEdit)
        throw Exception(QStringLiteral("Dataset not in edit or insert mode"));
    m_editBuffer[column] = value;
}
