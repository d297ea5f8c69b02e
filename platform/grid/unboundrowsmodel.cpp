#include "platform/grid/unboundrowsmodel.h"

#include "platform/dataset/datasetmodel.h"

UnboundRowsModel::UnboundRowsModel(QObject *parent) : QAbstractTableModel(parent) {}

void UnboundRowsModel::setColumnCount(int count)
{
    beginResetModel();
    m_columns = count;
    while (m_names.size() < count)
        m_names.append(QString());
    for (QVariantList &row : m_rows) {
        while (row.size() < count)
            row.append(QVariant());
    }
    endResetModel();
}

void UnboundRowsModel::setColumnName(int column, const QString &name)
{
    if (column >= 0 && column < m_names.size())
        m_names[column] = name;
}

void UnboundRowsModel::setRecordCount(int count)
{
    beginResetModel();
    m_rows.resize(qMax(0, count));
    for (QVariantList &row : m_rows) {
        while (row.size() < m_columns)
            row.append(QVariant());
    }
    endResetModel();
}

void UnboundRowsModel::setValue(int row, int column, const QVariant &value)
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns)
        return;
    m_rows[row][column] = value;
    emit dataChanged(index(row, column), index(row, column));
}

QVariant UnboundRowsModel::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns)
        return {};
    return m_rows[row][column];
}

int UnboundRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int UnboundRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant UnboundRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const QVariant v = value(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return v.metaType().id() == QMetaType::QByteArray ? QVariant(QString()) : QVariant(v.toString());
    case Qt::EditRole:
    case DataSetModel::RawValueRole:
        return v;
    default:
        return {};
    }
}

QVariant UnboundRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == DataSetModel::FieldNameRole && section >= 0 &&
        section < m_names.size())
        return m_names[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}
