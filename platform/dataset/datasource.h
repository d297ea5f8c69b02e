#pragma once

#include <QObject>
#include <QPointer>

#include "platform/dataset/clientdataset.h"

// The link between a data set and the views that show it. Detaching (no data set, or disabled)
// lets a worker fill the data set while the views show nothing; re-attaching resets them.
class TDataSource : public QObject
{
    Q_OBJECT

public:
    explicit TDataSource(QObject *parent = nullptr);
    explicit TDataSource(TClientDataSet *dataSet, QObject *parent = nullptr);

    TClientDataSet *DataSet() const { return m_dataSet; }
    void setDataSet(TClientDataSet *dataSet);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // The data set views should read now: nullptr while detached.
    TClientDataSet *attachedDataSet() const { return m_enabled ? m_dataSet.data() : nullptr; }

signals:
    void linkChanged();

private:
    QPointer<TClientDataSet> m_dataSet;
    bool m_enabled = true;
};
