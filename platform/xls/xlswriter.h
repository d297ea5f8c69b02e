#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

// A BIFF8 (.xls) workbook with one worksheet: shared strings, numbers with number formats, dates as
// date serials with a date format, column widths. Written as a compound file.
class XlsWriter
{
public:
    static constexpr int MaxRows = 65536;
    static constexpr int MaxColumns = 256;

    explicit XlsWriter(QString sheetName = QStringLiteral("Sayfa1"));

    void setColumnWidth(int column, int pixels);
    void writeText(int row, int column, const QString &text, bool bold = false);
    // format: an Excel number format code ("#,##0.00"); empty is General.
    void writeNumber(int row, int column, double value, const QString &format = QString());
    void writeDate(int row, int column, const QDate &date,
                   const QString &format = QStringLiteral("dd.mm.yyyy"));
    void writeDateTime(int row, int column, const QDateTime &value,
                       const QString &format = QStringLiteral("dd.mm.yyyy hh:mm:ss"));
    void writeTime(int row, int column, const QTime &value,
                   const QString &format = QStringLiteral("hh:mm:ss"));

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }

    // The workbook stream alone, and the whole file.
    QByteArray workbookStream() const;
    QByteArray toBytes() const;
    // Writes the file, replacing one that is there; throws Exception when it cannot.
    void save(const QString &path) const;

    // Excel number format for a Delphi FormatFloat pattern ("#,###,##0.00" → "#,##0.00").
    static QString excelNumberFormat(const QString &delphiPattern);
    // Excel date format for a Delphi date pattern ("dd.mm.yyyy hh:nn" → "dd.mm.yyyy hh:mm").
    static QString excelDateFormat(const QString &delphiPattern);
    static double excelSerial(const QDateTime &value);

private:
    struct Cell
    {
        enum Kind { Text, Number } kind;
        int xf;
        int sst;
        double number;
    };

    void checkPlace(int row, int column);
    int xfFor(int format, bool bold);
    int formatIndex(const QString &format);
    int stringIndex(const QString &text);

    QString m_sheetName;
    QMap<quint64, Cell> m_cells;
    QMap<int, int> m_widths;
    QStringList m_strings;
    QHash<QString, int> m_stringIndex;
    int m_stringTotal = 0;
    QStringList m_formats;
    QList<QPair<int, bool>> m_xfs;
    int m_rows = 0;
    int m_columns = 0;
};
