#pragma once

#include <QString>

class GridView;
class QWidget;

// The save dialog's filter, as the windows give it.
QString excelFilter();
// The chosen name with its extension replaced by "xls" (added when there is none).
QString excelFileName(const QString &chosen);

// Writes what the grid shows to a BIFF8 workbook: the visible columns with their captions, every row
// the filters pass with all groups expanded, numbers and dates as such with the display formats.
// An existing file is replaced. Throws Exception when the file cannot be written.
void ExportGridToExcel(GridView *view, const QString &path);

// "Excel Kaydet": asks for a file name and exports; returns the written path, empty when cancelled.
QString ExcelKaydet(GridView *view, QWidget *parent = nullptr);
