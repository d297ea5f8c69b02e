#include "platform/xls/xlswriter.h"

#include "platform/system/exception.h"
#include "platform/xls/compoundfile.h"

#include <QSaveFile>
#include <QtEndian>
#include <cstring>

namespace {

constexpr int MaxRecordData = 8224;
constexpr int FirstCustomFormat = 164;
constexpr int FirstCellXf = 16;

class Bytes
{
public:
    QByteArray data;
    void u8(int v) { data.append(char(v & 0xFF)); }
    void u16(int v)
    {
        char b[2];
        qToLittleEndian(quint16(v), b);
        data.append(b, 2);
    }
    void u32(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        data.append(b, 4);
    }
    void f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        char b[8];
        qToLittleEndian(bits, b);
        data.append(b, 8);
    }
    void utf16(const QString &s)
    {
        for (QChar c : s)
            u16(c.unicode());
    }
    // Unicode string with a 16-bit length, always stored as UTF-16.
    void string16(const QString &s)
    {
        u16(int(s.size()));
        u8(1);
        utf16(s);
    }
    // Unicode string with an 8-bit length.
    void string8(const QString &s)
    {
        u8(int(s.size()));
        u8(1);
        utf16(s);
    }
};

void record(QByteArray &out, int type, const QByteArray &data)
{
    Bytes r;
    r.u16(type);
    r.u16(int(data.size()));
    out += r.data;
    out += data;
}

QByteArray bof(int kind)
{
    Bytes b;
    b.u16(0x0600);
    b.u16(kind);
    b.u16(0x0DBB);
    b.u16(0x07CC);
    b.u32(0x00000000);
    b.u32(0x00000206);
    return b.data;
}

QByteArray font(bool bold)
{
    Bytes b;
    b.u16(200); // 10 points
    b.u16(0);
    b.u16(0x7FFF);
    b.u16(bold ? 700 : 400);
    b.u16(0);
    b.u8(0);
    b.u8(0);
    b.u8(0xA2); // Turkish character set
    b.u8(0);
    b.string8(QStringLiteral("Arial"));
    return b.data;
}

QByteArray xf(int fontIndex, int formatIndex, bool style)
{
    Bytes b;
    b.u16(fontIndex);
    b.u16(formatIndex);
    b.u16(style ? 0xFFF5 : 0x0001);
    b.u8(0x20); // bottom aligned, general horizontal
    b.u8(0);
    b.u8(0);
    b.u8(style ? 0x00 : 0xFC); // a cell XF uses its own format, font, alignment, borders, fill
    b.u32(0);
    b.u32(0);
    b.u16(0x20C0);
    return b.data;
}

} // namespace

XlsWriter::XlsWriter(QString sheetName) : m_sheetName(std::move(sheetName))
{
    if (m_sheetName.isEmpty())
        m_sheetName = QStringLiteral("Sayfa1");
    m_sheetName.truncate(31);
}

void XlsWriter::checkPlace(int row, int column)
{
    if (row < 0 || row >= MaxRows || column < 0 || column >= MaxColumns)
        throw Exception(QStringLiteral("Excel dosyası en çok %1 satır ve %2 sütun alabilir.")
                            .arg(MaxRows)
                            .arg(MaxColumns));
    m_rows = qMax(m_rows, row + 1);
    m_columns = qMax(m_columns, column + 1);
}

int XlsWriter::formatIndex(const QString &format)
{
    if (format.isEmpty() || format.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
        return 0;
    int i = int(m_formats.indexOf(format));
    if (i < 0) {
        m_formats << format;
        i = int(m_formats.size()) - 1;
    }
    return FirstCustomFormat + i;
}

int XlsWriter::xfFor(int format, bool bold)
{
    const QPair<int, bool> key(format, bold);
    int i = int(m_xfs.indexOf(key));
    if (i < 0) {
        m_xfs << key;
        i = int(m_xfs.size()) - 1;
    }
    return FirstCellXf + i;
}

int XlsWriter::stringIndex(const QString &text)
{
    ++m_stringTotal;
    auto it = m_stringIndex.constFind(text);
    if (it != m_stringIndex.constEnd())
        return it.value();
    const int index = int(m_strings.size());
    m_strings << text;
    m_stringIndex.insert(text, index);
    return index;
}

void XlsWriter::setColumnWidth(int column, int pixels)
{
    if (column < 0 || column >= MaxColumns)
        return;
    m_widths[column] = qMax(0, pixels);
}

void XlsWriter::writeText(int row, int column, const QString &text, bool bold)
{
    checkPlace(row, column);
    // A text cell holds at most 32767 characters.
    const QString stored = text.left(32767);
    m_cells[(quint64(row) << 16) | quint64(column)] = {Cell::Text, xfFor(0, bold), stringIndex(stored), 0.0};
}

void XlsWriter::writeNumber(int row, int column, double value, const QString &format)
{
    checkPlace(row, column);
    m_cells[(quint64(row) << 16) | quint64(column)] = {Cell::Number, xfFor(formatIndex(format), false), -1,
                                                       value};
}

double XlsWriter::excelSerial(const QDateTime &value)
{
    const double days = double(QDate(1899, 12, 30).daysTo(value.date()));
    return days + value.time().msecsSinceStartOfDay() / 86400000.0;
}

void XlsWriter::writeDate(int row, int column, const QDate &date, const QString &format)
{
    writeNumber(row, column, excelSerial(date.startOfDay()), format);
}

void XlsWriter::writeDateTime(int row, int column, const QDateTime &value, const QString &format)
{
    writeNumber(row, column, excelSerial(value), format);
}

void XlsWriter::writeTime(int row, int column, const QTime &value, const QString &format)
{
    writeNumber(row, column, value.msecsSinceStartOfDay() / 86400000.0, format);
}

QString XlsWriter::excelNumberFormat(const QString &delphiPattern)
{
    if (delphiPattern.isEmpty())
        return {};
    QStringList sections;
    for (const QString &section : delphiPattern.split(QLatin1Char(';'))) {
        // Literal text before and after the digits is kept, quoted.
        int first = -1, last = -1;
        for (int i = 0; i < section.size(); ++i) {
            const QChar c = section.at(i);
            if (c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char(',') ||
                c == QLatin1Char('.')) {
                if (first < 0)
                    first = i;
                last = i;
            }
        }
        if (first < 0) {
            sections << QLatin1Char('"') + section + QLatin1Char('"');
            continue;
        }
        const QString number = section.mid(first, last - first + 1);
        const int point = int(number.indexOf(QLatin1Char('.')));
        const QString integer = point < 0 ? number : number.left(point);
        const QString fraction = point < 0 ? QString() : number.mid(point + 1);
        const bool grouped = integer.contains(QLatin1Char(','));
        const int zeros = int(integer.count(QLatin1Char('0')));
        QString code;
        if (grouped) {
            // Four places or as many forced zeros as the pattern has, the comma before the last three.
            const int places = qMax(4, zeros);
            for (int i = 0; i < places; ++i)
                code += i >= places - zeros ? QLatin1Char('0') : QLatin1Char('#');
            code.insert(places - 3, QLatin1Char(','));
        } else {
            code = zeros > 0 ? QString(zeros, QLatin1Char('0')) : QStringLiteral("#");
        }
        if (point >= 0) {
            QString digits;
            for (QChar c : fraction) {
                if (c == QLatin1Char('0') || c == QLatin1Char('#'))
                    digits += c;
            }
            code += QLatin1Char('.') + digits;
        }
        const QString before = section.left(first);
        const QString after = section.mid(last + 1);
        QString out;
        if (!before.isEmpty())
            out += QLatin1Char('"') + before + QLatin1Char('"');
        out += code;
        if (!after.isEmpty())
            out += QLatin1Char('"') + after + QLatin1Char('"');
        sections << out;
    }
    return sections.join(QLatin1Char(';'));
}

QString XlsWriter::excelDateFormat(const QString &delphiPattern)
{
    // Excel reads "m" after "h" as minutes, as Delphi does; Delphi's "n" is always minutes.
    QString out;
    for (QChar c : delphiPattern) {
        if (c == QLatin1Char('n') || c == QLatin1Char('N'))
            out += QLatin1Char('m');
        else
            out += c.toLower();
    }
    return out;
}

QByteArray XlsWriter::workbookStream() const
{
    // Workbook globals
    QByteArray globals;
    record(globals, 0x0809, bof(0x0005));
    {
        Bytes b;
        b.u16(1200); // UTF-16
        record(globals, 0x0042, b.data);
    }
    {
        Bytes b;
        b.u16(0);
        b.u16(0);
        b.u16(0x4000);
        b.u16(0x2000);
        b.u16(0x0038);
        b.u16(0);
        b.u16(0);
        b.u16(1);
        b.u16(0x0258);
        record(globals, 0x003D, b.data);
    }
    {
        Bytes b;
        b.u16(0); // 1900 date system
        record(globals, 0x0022, b.data);
    }
    // Fonts 0-3 plain (index 4 is never used), 5 bold.
    for (int i = 0; i < 4; ++i)
        record(globals, 0x0031, font(false));
    record(globals, 0x0031, font(true));
    for (int i = 0; i < m_formats.size(); ++i) {
        Bytes b;
        b.u16(FirstCustomFormat + i);
        b.string16(m_formats[i]);
        record(globals, 0x041E, b.data);
    }
    for (int i = 0; i < 15; ++i)
        record(globals, 0x00E0, xf(0, 0, true));
    record(globals, 0x00E0, xf(0, 0, false));
    for (const auto &key : m_xfs)
        record(globals, 0x00E0, xf(key.second ? 5 : 0, key.first, false));
    {
        Bytes b;
        b.u16(0x8000);
        b.u8(0);
        b.u8(0xFF);
        record(globals, 0x0293, b.data);
    }
    const int boundSheetAt = int(globals.size());
    {
        Bytes b;
        b.u32(0); // patched below
        b.u8(0);
        b.u8(0);
        b.string8(m_sheetName);
        record(globals, 0x0085, b.data);
    }
    // Shared strings, continued in CONTINUE records; a string split across records repeats its flags.
    {
        const int perBucket = qMax(8, int((m_strings.size() + 127) / 128));
        QList<QByteArray> parts;
        QList<QPair<int, int>> bucketStarts; // part, offset in the part's data
        Bytes current;
        current.u32(quint32(m_stringTotal));
        current.u32(quint32(m_strings.size()));
        for (int i = 0; i < m_strings.size(); ++i) {
            const QString &s = m_strings[i];
            if (current.data.size() + 3 + (s.isEmpty() ? 0 : 2) > MaxRecordData) {
                parts << current.data;
                current.data.clear();
            }
            if (i % perBucket == 0)
                bucketStarts.append({int(parts.size()), int(current.data.size())});
            current.u16(int(s.size()));
            current.u8(1);
            int pos = 0;
            while (pos < s.size()) {
                int room = int((MaxRecordData - current.data.size()) / 2);
                if (room == 0) {
                    parts << current.data;
                    current.data.clear();
                    current.u8(1);
                    room = (MaxRecordData - 1) / 2;
                }
                const int take = qMin(room, int(s.size()) - pos);
                current.utf16(s.mid(pos, take));
                pos += take;
            }
        }
        parts << current.data;
        QList<int> partAt; // stream offset of each part's record header
        for (int i = 0; i < parts.size(); ++i) {
            partAt << int(globals.size());
            record(globals, i == 0 ? 0x00FC : 0x003C, parts[i]);
        }
        // Where every eighth (or so) string starts, for readers that seek into the table.
        Bytes ext;
        ext.u16(perBucket);
        for (const auto &start : bucketStarts) {
            ext.u32(quint32(partAt[start.first] + 4 + start.second));
            ext.u16(4 + start.second);
            ext.u16(0);
        }
        record(globals, 0x00FF, ext.data);
    }
    record(globals, 0x000A, QByteArray());

    // The worksheet
    QByteArray sheet;
    record(sheet, 0x0809, bof(0x0010));
    for (auto it = m_widths.constBegin(); it != m_widths.constEnd(); ++it) {
        Bytes b;
        b.u16(it.key());
        b.u16(it.key());
        // Widths are in 1/256 of a character; a character is about 7 pixels.
        b.u16(qMin(65535, it.value() * 256 / 7));
        b.u16(15);
        b.u16(0);
        b.u16(0);
        record(sheet, 0x007D, b.data);
    }
    {
        Bytes b;
        b.u32(0);
        b.u32(quint32(m_rows));
        b.u16(0);
        b.u16(m_columns);
        b.u16(0);
        record(sheet, 0x0200, b.data);
    }
    for (auto it = m_cells.constBegin(); it != m_cells.constEnd(); ++it) {
        const int row = int(it.key() >> 16);
        const int column = int(it.key() & 0xFFFF);
        const Cell &cell = it.value();
        Bytes b;
        b.u16(row);
        b.u16(column);
        b.u16(cell.xf);
        if (cell.kind == Cell::Text) {
            b.u32(quint32(cell.sst));
            record(sheet, 0x00FD, b.data);
        } else {
            b.f64(cell.number);
            record(sheet, 0x0203, b.data);
        }
    }
    {
        Bytes b;
        b.u16(0x06B6);
        b.u16(0);
        b.u16(0);
        b.u32(64);
        b.u16(0);
        b.u16(0);
        b.u32(0);
        record(sheet, 0x023E, b.data);
    }
    record(sheet, 0x000A, QByteArray());

    qToLittleEndian(quint32(globals.size()), globals.data() + boundSheetAt + 4);
    return globals + sheet;
}

QByteArray XlsWriter::toBytes() const
{
    return compoundFileWithStream(QStringLiteral("Workbook"), workbookStream());
}

void XlsWriter::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Exception(QStringLiteral("%1 dosyası yazılamıyor: %2").arg(path, file.errorString()));
    const QByteArray bytes = toBytes();
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw Exception(QStringLiteral("%1 dosyası yazılamıyor: %2").arg(path, file.errorString()));
}
