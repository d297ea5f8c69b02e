#pragma once

#include <QString>
#include <QVariant>
#include <QVector>
#include <freexl.h>

// Reads the first worksheet of an .xls back with FreeXL: one entry per cell, null for empty cells.
struct FreeXlSheet
{
    int error = FREEXL_OK;
    QString sheetName;
    unsigned int rows = 0;
    unsigned short columns = 0;
    QVector<QVector<QVariant>> cells;
    QVector<QVector<int>> types;

    QVariant at(int row, int column) const { return cells.value(row).value(column); }
    int typeAt(int row, int column) const { return types.value(row).value(column, FREEXL_CELL_NULL); }

    static FreeXlSheet read(const QString &path)
    {
        FreeXlSheet sheet;
        const void *handle = nullptr;
        sheet.error = freexl_open(path.toLocal8Bit().constData(), &handle);
        if (sheet.error != FREEXL_OK)
            return sheet;
        const char *name = nullptr;
        if ((sheet.error = freexl_get_worksheet_name(handle, 0, &name)) == FREEXL_OK)
            sheet.sheetName = QString::fromUtf8(name);
        if (sheet.error == FREEXL_OK)
            sheet.error = freexl_select_active_worksheet(handle, 0);
        if (sheet.error == FREEXL_OK)
            sheet.error = freexl_worksheet_dimensions(handle, &sheet.rows, &sheet.columns);
        for (unsigned int r = 0; sheet.error == FREEXL_OK && r < sheet.rows; ++r) {
            QVector<QVariant> row(sheet.columns);
            QVector<int> types(sheet.columns, FREEXL_CELL_NULL);
            for (unsigned short c = 0; c < sheet.columns; ++c) {
                FreeXL_CellValue value;
                sheet.error = freexl_get_cell_value(handle, r, c, &value);
                if (sheet.error != FREEXL_OK)
                    break;
                types[c] = value.type;
                switch (value.type) {
                case FREEXL_CELL_INT:
                    row[c] = value.value.int_value;
                    break;
                case FREEXL_CELL_DOUBLE:
                    row[c] = value.value.double_value;
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME:
                    row[c] = QString::fromUtf8(value.value.text_value);
                    break;
                default:
                    break;
                }
            }
            sheet.cells << row;
            sheet.types << types;
        }
        freexl_close(handle);
        return sheet;
    }
};
