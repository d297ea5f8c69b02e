#include "platform/xls/compoundfile.h"

#include <QtEndian>
#include <vector>

namespace {

constexpr quint32 FreeSect = 0xFFFFFFFF;
constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 FatSect = 0xFFFFFFFD;
constexpr quint32 DifSect = 0xFFFFFFFC;
constexpr int SectorSize = 512;
constexpr int MiniStreamCutoff = 4096;

void put16(QByteArray &b, int at, quint16 v)
{
    qToLittleEndian(v, b.data() + at);
}

void put32(QByteArray &b, int at, quint32 v)
{
    qToLittleEndian(v, b.data() + at);
}

QByteArray directoryEntry(const QString &name, quint8 type, quint32 child, quint32 start, quint32 size)
{
    QByteArray e(128, '\0');
    for (int i = 0; i < name.size() && i < 31; ++i)
        put16(e, i * 2, name.at(i).unicode());
    put16(e, 64, quint16((qMin(int(name.size()), 31) + 1) * 2));
    e[66] = char(type);
    e[67] = 1; // black
    put32(e, 68, FreeSect);
    put32(e, 72, FreeSect);
    put32(e, 76, child);
    put32(e, 116, start);
    put32(e, 120, size);
    return e;
}

} // namespace

QByteArray compoundFileWithStream(const QString &streamName, const QByteArray &data)
{
    // Short streams would go to the mini stream; padding to the cut-off keeps one regular stream.
    QByteArray stream = data;
    if (stream.size() < MiniStreamCutoff)
        stream.append(QByteArray(MiniStreamCutoff - stream.size(), '\0'));
    const quint32 streamSectors = quint32((stream.size() + SectorSize - 1) / SectorSize);
    const quint32 dirSectors = 1;

    // FAT sectors cover every sector including themselves and the DIFAT sectors.
    quint32 fatSectors = 0, difatSectors = 0;
    for (;;) {
        const quint32 total = streamSectors + dirSectors + fatSectors + difatSectors;
        const quint32 needFat = (total + 127) / 128;
        const quint32 needDifat = needFat > 109 ? (needFat - 109 + 126) / 127 : 0;
        if (needFat == fatSectors && needDifat == difatSectors)
            break;
        fatSectors = needFat;
        difatSectors = needDifat;
    }
    const quint32 dirStart = streamSectors;
    const quint32 fatStart = dirStart + dirSectors;
    const quint32 difatStart = fatStart + fatSectors;
    const quint32 totalSectors = difatStart + difatSectors;

    std::vector<quint32> fat(size_t(fatSectors) * 128, FreeSect);
    for (quint32 i = 0; i < streamSectors; ++i)
        fat[i] = i + 1 < streamSectors ? i + 1 : EndOfChain;
    fat[dirStart] = EndOfChain;
    for (quint32 i = 0; i < fatSectors; ++i)
        fat[fatStart + i] = FatSect;
    for (quint32 i = 0; i < difatSectors; ++i)
        fat[difatStart + i] = DifSect;

    QByteArray header(SectorSize, '\0');
    const unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    for (int i = 0; i < 8; ++i)
        header[i] = char(signature[i]);
    put16(header, 24, 0x003E);
    put16(header, 26, 0x0003);
    put16(header, 28, 0xFFFE);
    put16(header, 30, 9);
    put16(header, 32, 6);
    put32(header, 44, fatSectors);
    put32(header, 48, dirStart);
    put32(header, 56, MiniStreamCutoff);
    put32(header, 60, EndOfChain);
    put32(header, 64, 0);
    put32(header, 68, difatSectors ? difatStart : EndOfChain);
    put32(header, 72, difatSectors);
    for (int i = 0; i < 109; ++i)
        put32(header, 76 + i * 4, quint32(i) < fatSectors ? fatStart + quint32(i) : FreeSect);

    QByteArray out;
    out.reserve(int(SectorSize * (totalSectors + 1)));
    out += header;
    out += stream;
    out.append(QByteArray(int(streamSectors * SectorSize) - stream.size(), '\0'));

    QByteArray dir;
    dir += directoryEntry(QStringLiteral("Root Entry"), 5, 1, EndOfChain, 0);
    dir += directoryEntry(streamName, 2, FreeSect, 0, quint32(stream.size()));
    QByteArray empty = directoryEntry(QString(), 0, FreeSect, 0, 0);
    put16(empty, 64, 0);
    empty[67] = 0;
    dir += empty;
    dir += empty;
    out += dir;

    QByteArray fatBytes(int(fat.size() * 4), '\0');
    for (size_t i = 0; i < fat.size(); ++i)
        put32(fatBytes, int(i * 4), fat[i]);
    out += fatBytes;

    for (quint32 d = 0; d < difatSectors; ++d) {
        QByteArray sector(SectorSize, '\0');
        for (int i = 0; i < 127; ++i) {
            const quint32 fatIndex = 109 + d * 127 + quint32(i);
            put32(sector, i * 4, fatIndex < fatSectors ? fatStart + fatIndex : FreeSect);
        }
        put32(sector, 508, d + 1 < difatSectors ? difatStart + d + 1 : EndOfChain);
        out += sector;
    }
    return out;
}
