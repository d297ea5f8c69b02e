#pragma once

#include <QAbstractTableModel>
#include <QMetaObject>
#include <QPointer>

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"

// A table model over the data set a data source currently links; empty while detached.
class DataSetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The raw stored value of a cell (display text is Qt::DisplayRole).
    static constexpr int RawValueRole = Qt::UserRole + 1;
    static constexpr int FieldNameRole = Qt::UserRole + 2;

    explicit DataSetModel(TDataSource *source, QObject *parent = nullptr);
    ~DataSetModel() override;

    TDataSource *dataSource() const { return m_source; }
    TClientDataSet *dataSet() const { return m_dataSet; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void relink();
    void resetFromDataSet();

    QPointer<TDataSource> m_source;
    QPointer<TClientDataSet> m_dataSet;
    QList<QMetaObject::Connection> m_connections;
    int m_rows = 0;
    int m_columns = 0;
};
