#include "platform/dataset/datasource.h"

#include "platform/dataset/clientdataset.h"

TDataSource::TDataSource(QObject *parent) : QObject(parent) {}

TDataSource::TDataSource(TClientDataSet *dataSet, QObject *parent) : QObject(parent), m_dataSet(dataSet) {}

void TDataSource::setDataSet(TClientDataSet *dataSet)
{
    // Setting the same set again still re-links: that is how a tab hands a refilled set back.
    m_dataSet = dataSet;
    emit linkChanged();
}

void TDataSource::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit linkChanged();
}
