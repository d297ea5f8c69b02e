// The INI reader and writer. Input: a section, a key and a value (libFuzzer's length-prefixed
// strings), then the file's bytes. Reading any file answers consistently; a value written under a
// section and key that an INI line can hold reads back as written, and the section's other keys
// keep their values.

#include "fuzz/fuzzcheck.h"
#include "platform/system/inifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

namespace {

QString iniPath()
{
    // tmpfs where there is one: every write is synced to disk.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/ravla-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/ravla-fuzz-XXXXXX"));
    return dir.filePath(QStringLiteral("ayar.ini"));
}

QString text(FuzzedDataProvider &provider)
{
    return QString::fromStdString(provider.ConsumeRandomLengthString(64));
}

bool holdsLine(const QString &name)
{
    return name == name.trimmed() && !name.contains(u'\n') && !name.contains(u'\r');
}

bool plainKey(const QString &key)
{
    return !key.isEmpty() && holdsLine(key) && !key.contains(u'=') && !key.startsWith(u';') &&
           !key.startsWith(u'[');
}

const QString kMissing = QStringLiteral("\x01yok");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const QString section = text(provider);
    const QString key = text(provider);
    const QString value = text(provider);
    const std::string content = provider.ConsumeRemainingBytesAsString();

    const QString path = iniPath();
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), path);
        file.write(content.data(), qint64(content.size()));
    }

    const TIniFile before(path);
    const QStringList keys = before.ReadSection(section);
    const bool exists = before.ValueExists(section, key);
    FUZZ_CHECK(exists == keys.contains(key, Qt::CaseInsensitive), key);
    FUZZ_CHECK(!exists || before.SectionExists(section), section);
    FUZZ_CHECK(exists == (before.ReadString(section, key, kMissing) != kMissing), key);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        FUZZ_CHECK(!keys[i].isEmpty(), section);
        // The first of a repeated key wins: each key once.
        FUZZ_CHECK(!keys.mid(0, i).contains(keys[i], Qt::CaseInsensitive), keys[i]);
    }
    (void)before.ReadInteger(section, key, 7);
    (void)before.ReadBool(section, key, true);

    if (!holdsLine(section) || !plainKey(key))
        return 0;

    TIniFile ini(path);
    try {
        ini.WriteString(section, key, value);
    } catch (const EIniFileException &) {
        return 0;
    }
    const TIniFile after(path);
    QString expected = value;
    expected.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString read = after.ReadString(section, key, kMissing);
    FUZZ_CHECK(read == expected,
               QStringLiteral("[%1] %2: wrote '%3', read '%4'").arg(section, key, value, read));
    for (const QString &other : keys) {
        if (other.compare(key, Qt::CaseInsensitive) != 0)
            FUZZ_CHECK(after.ReadString(section, other, kMissing) ==
                           before.ReadString(section, other, QString()),
                       other);
    }
    return 0;
}
