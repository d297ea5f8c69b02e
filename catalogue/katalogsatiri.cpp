#include "catalogue/katalogsatiri.h"

#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridview.h"

QVariantMap OdakliKatalogSatiri(GridView *grid)
{
    const int record = grid->focusedRecord();
    TClientDataSet *rows = grid->dataSet();
    GridColumn *key = grid->columnByField(QStringLiteral("STOK_STOKNO"));
    if (record < 0 || !rows || !key || !rows->Active())
        return {};
    const QVariant stokno = grid->rawValue(key, record);
    if (stokno.isNull() || !rows->Locate(QStringLiteral("STOK_STOKNO"), stokno))
        return {};
    QVariantMap values;
    for (const auto &field : rows->Fields())
        values.insert(field->FieldName(), field->Value());
    return values;
}
