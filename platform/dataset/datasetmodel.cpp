#include "platform/dataset/datasetmodel.h"

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"

DataSetModel::DataSetModel(TDataSource *source, QObject *parent)
    : QAbstractTableModel(parent), m_source(source)
{
    if (source)
        connect(source, &TDataSource::linkChanged, this, &DataSetModel::relink);
    relink();
}

DataSetModel::~DataSetModel() = default;

void DataSetModel::relink()
{
    for (const QMetaObject::Connection &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_dataSet = m_source ? m_source->attachedDataSet() : nullptr;
    if (m_dataSet) {
        TClientDataSet *ds = m_dataSet;
        m_connections << connect(ds, &TClientDataSet::dataSetChanged, this, &DataSetModel::resetFromDataSet);
        m_connections << connect(ds, &TClientDataSet::rowsAboutToBeAppended, this,
                                 [this](int first, int last) { beginInsertRows({}, first, last); });
        m_connections << connect(ds, &TClientDataSet::rowsAppended, this, [this] {
            m_rows = m_dataSet ? m_dataSet->RecordCount() : 0;
            endInsertRows();
        });
        m_connections << connect(ds, &TClientDataSet::valueChanged, this, [this](int row, int column) {
            const QModelIndex i = index(row, column);
            emit dataChanged(i, i);
        });
        m_connections << connect(ds, &QObject::destroyed, this, &DataSetModel::resetFromDataSet);
    }
    resetFromDataSet();
}

void DataSetModel::resetFromDataSet()
{
    beginResetModel();
    const bool live = m_dataSet && m_dataSet->Active();
    m_rows = live ? m_dataSet->RecordCount() : 0;
    m_columns = m_dataSet ? m_dataSet->FieldCount() : 0;
    endResetModel();
}

int DataSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DataSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant DataSetModel::data(const QModelIndex &index, int role) const
{
    TClientDataSet *ds = m_dataSet;
    if (!ds || !index.isValid() || index.column() >= ds->FieldCount())
        return {};
    const TField *f = ds->field(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return f->displayText(ds->value(index.row(), index.column()));
    case Qt::EditRole:
    case RawValueRole:
        return ds->value(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return f->isNumeric() ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                              : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case FieldNameRole:
        return f->FieldName();
    default:
        return {};
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    TClientDataSet *ds = m_dataSet;
    if (orientation == Qt::Horizontal && ds && section >= 0 && section < ds->FieldCount()) {
        if (role == Qt::DisplayRole)
            return ds->field(section)->DisplayLabel();
        if (role == FieldNameRole)
            return ds->field(section)->FieldName();
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}
