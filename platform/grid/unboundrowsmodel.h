#pragma once

#include <QAbstractTableModel>
#include <QVector>

// Rows a grid holds itself, filled by code (the unbound table views).
class UnboundRowsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit UnboundRowsModel(QObject *parent = nullptr);

    void setColumnCount(int count);
    void setRecordCount(int count);
    void setValue(int row, int column, const QVariant &value);
    QVariant value(int row, int column) const;
    void setColumnName(int column, const QString &name);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVector<QVariantList> m_rows;
    QStringList m_names;
    int m_columns = 0;
};
