#include "platform/grid/gridexport.h"

#include "platform/dataset/field.h"
#include "platform/grid/gridview.h"
#include "platform/xls/xlswriter.h"

#include <QFileDialog>

namespace {

bool isNumberVariant(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
        return true;
    default:
        return false;
    }
}

void writeValue(XlsWriter &xls, int row, int col, GridView *view, GridColumn *column, int record)
{
    const QVariant raw = view->rawValue(column, record);
    if (!raw.isValid())
        return;
    const TField *field = view->fieldOf(column);
    if (column->kind() == GridCellKind::IconByValue) {
        const GridColumn::IconValue *icon = column->iconFor(raw);
        if (icon && !icon->description.isEmpty()) {
            xls.writeText(row, col, icon->description);
            return;
        }
    }
    if (column->kind() == GridCellKind::Picture || raw.metaType().id() == QMetaType::QByteArray)
        return;
    const QString format = field ? field->DisplayFormat() : QString();
    switch (raw.metaType().id()) {
    case QMetaType::QDate:
        xls.writeDate(row, col, raw.toDate(),
                      format.isEmpty() ? QStringLiteral("dd.mm.yyyy") : XlsWriter::excelDateFormat(format));
        return;
    case QMetaType::QDateTime: {
        const QDateTime dt = raw.toDateTime();
        QString excel = XlsWriter::excelDateFormat(format);
        if (format.isEmpty())
            excel = dt.time().msecsSinceStartOfDay() == 0 ? QStringLiteral("dd.mm.yyyy")
                                                          : QStringLiteral("dd.mm.yyyy hh:mm:ss");
        xls.writeDateTime(row, col, dt, excel);
        return;
    }
    case QMetaType::QTime:
        xls.writeTime(row, col, raw.toTime(),
                      format.isEmpty() ? QStringLiteral("hh:mm:ss") : XlsWriter::excelDateFormat(format));
        return;
    default:
        break;
    }
    if (isNumberVariant(raw)) {
        xls.writeNumber(row, col, raw.toDouble(), XlsWriter::excelNumberFormat(format));
        return;
    }
    xls.writeText(row, col, view->displayText(column, record));
}

void writeSummaries(XlsWriter &xls, int row, const QList<GridColumn *> &columns, GridView *view,
                    const QVector<int> &records, bool group)
{
    for (int c = 0; c < columns.size(); ++c) {
        GridColumn *column = columns[c];
        const GridSummaryKind kind = group ? column->groupSummary() : column->footerSummary();
        if (kind == GridSummaryKind::None)
            continue;
        if (kind == GridSummaryKind::Count) {
            xls.writeNumber(row, c, records.size());
            continue;
        }
        double sum = 0;
        for (int r : records)
            sum += view->rawValue(column, r).toDouble();
        const TField *field = view->fieldOf(column);
        xls.writeNumber(row, c, sum,
                        XlsWriter::excelNumberFormat(field ? field->DisplayFormat() : QString()));
    }
}

} // namespace

QString excelFilter()
{
    return QStringLiteral("Excel (*.xls*)");
}

QString excelFileName(const QString &chosen)
{
    const int slash = int(qMax(chosen.lastIndexOf(QLatin1Char('/')), chosen.lastIndexOf(QLatin1Char('\\'))));
    const int dot = int(chosen.lastIndexOf(QLatin1Char('.')));
    if (dot > slash)
        return chosen.left(dot) + QStringLiteral(".xls");
    return chosen + QStringLiteral(".xls");
}

void ExportGridToExcel(GridView *view, const QString &path)
{
    const QList<GridColumn *> columns = view->visibleColumns();
    XlsWriter xls;
    for (int c = 0; c < columns.size(); ++c) {
        xls.writeText(0, c, columns[c]->headerText(), true);
        xls.setColumnWidth(c, columns[c]->Width());
    }
    int row = 1;
    auto writeRecords = [&](const QVector<int> &records) {
        for (int record : records) {
            for (int c = 0; c < columns.size(); ++c)
                writeValue(xls, row, c, view, columns[c], record);
            ++row;
        }
    };
    if (view->groupColumn() && view->groupCount() > 0) {
        bool groupFooter = false;
        for (GridColumn *column : columns)
            groupFooter = groupFooter || column->groupSummary() != GridSummaryKind::None;
        for (int g = 0; g < view->groupCount(); ++g) {
            if (!columns.isEmpty())
                xls.writeText(row, 0, view->groupCaption(g), true);
            ++row;
            const QVector<int> records = view->groupRecords(g);
            writeRecords(records);
            if (groupFooter)
                writeSummaries(xls, row++, columns, view, records, true);
        }
    } else {
        writeRecords(view->shownRecords());
    }
    bool footer = false;
    for (GridColumn *column : columns)
        footer = footer || column->footerSummary() != GridSummaryKind::None;
    if (view->footerVisible() && footer)
        writeSummaries(xls, row, columns, view, view->shownRecords(), false);
    xls.save(path);
}

QString ExcelKaydet(GridView *view, QWidget *parent)
{
    QFileDialog dialog(parent ? parent : view);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(excelFilter());
    // Our own dialog: the native one cannot be answered by the tests, and it asks before overwriting.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = excelFileName(dialog.selectedFiles().first());
    ExportGridToExcel(view, path);
    return path;
}
