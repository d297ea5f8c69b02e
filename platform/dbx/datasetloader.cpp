#include "platform/dbx/datasetloader.h"

#include "platform/dataset/clientdataset.h"
#include "platform/system/exception.h"

namespace {

// Keeps the controls quiet during the fill and ends it with one change notice.
class ControlsDisabled
{
public:
    explicit ControlsDisabled(TClientDataSet &dataSet) : m_dataSet(dataSet) { m_dataSet.DisableControls(); }
    ~ControlsDisabled() { m_dataSet.EnableControls(); }

private:
    TClientDataSet &m_dataSet;
};

} // namespace

TFieldType fieldTypeForDbxType(int dbxType)
{
    switch (dbxType) {
    case TDBXDataTypes::AnsiStringType:
        return TFieldType::ftString;
    case TDBXDataTypes::WideStringType:
        return TFieldType::ftWideString;
    case TDBXDataTypes::DateType:
        return TFieldType::ftDate;
    case TDBXDataTypes::BlobType:
        return TFieldType::ftBlob;
    case TDBXDataTypes::BooleanType:
        return TFieldType::ftBoolean;
    case TDBXDataTypes::Int16Type:
        return TFieldType::ftSmallint;
    case TDBXDataTypes::Int32Type:
        return TFieldType::ftInteger;
    case TDBXDataTypes::DoubleType:
        return TFieldType::ftFloat;
    case TDBXDataTypes::BcdType:
        return TFieldType::ftBCD;
    case TDBXDataTypes::TimeType:
        return TFieldType::ftTime;
    case TDBXDataTypes::DateTimeType:
        return TFieldType::ftDateTime;
    case TDBXDataTypes::Int64Type:
        return TFieldType::ftLargeint;
    case TDBXDataTypes::TimeStampType:
        return TFieldType::ftTimeStamp;
    case TDBXDataTypes::CurrencyType:
        return TFieldType::ftCurrency;
    }
    throw EDBXError(QStringLiteral("No field type for DBX type code %1").arg(dbxType));
}

void CopyReaderToClientDataSet(const TDBXReader &reader, TClientDataSet &dataSet)
{
    std::vector<TFieldType> types;
    types.reserve(size_t(reader.columnCount()));
    for (const DbxColumn &column : reader.columns())
        types.push_back(fieldTypeForDbxType(column.type));

    ControlsDisabled quiet(dataSet);
    if (reader.columnCount() == 0) {
        const bool hasFields = dataSet.FieldCount() > 0;
        dataSet.Close();
        if (hasFields)
            dataSet.CreateDataSet();
        return;
    }
    dataSet.Close();
    dataSet.clearFields();
    for (qsizetype i = 0; i < reader.columns().size(); ++i) {
        const DbxColumn &column = reader.columns()[i];
        dataSet.addField(column.name, types[size_t(i)], column.size);
    }
    dataSet.CreateDataSet();
    dataSet.appendRows(reader.rows(), reader.valuesTyped() ? TClientDataSet::RowTypes::AlreadyStored
                                                           : TClientDataSet::RowTypes::Check);
}

void AssignPacket(const DbxTable &packet, TClientDataSet &dataSet)
{
    CopyReaderToClientDataSet(packet, dataSet);
}

void loadTableText(std::string_view json, TClientDataSet &dataSet)
{
    CopyReaderToClientDataSet(DbxTable::fromJsonText(json), dataSet);
}
