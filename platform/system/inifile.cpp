#include "platform/system/inifile.h"

#include "platform/system/exception.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool quoted(const QString &value)
{
    return value.size() >= 2 && value.front() == value.back() &&
           (value.front() == u'"' || value.front() == u'\'');
}

// Lines are trimmed on reading, so a value with spaces at its ends (a password may have them) is
// written in double quotes; one pair of quotes around a value is taken off, as Windows does.
QString quoteValue(const QString &value)
{
    return value != value.trimmed() || quoted(value) ? u'"' + value + u'"' : value;
}
} // namespace

TIniFile::TIniFile(const QString &fileName) : m_fileName(fileName)
{
    load();
}

void TIniFile::load()
{
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    Section *current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            current = findSection(name);
            if (!current) {
                m_sections.append(Section{name, {}});
                current = &m_sections.last();
            }
            continue;
        }
        const int eq = line.indexOf(u'=');
        if (!current || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        QString value = line.mid(eq + 1).trimmed();
        if (quoted(value))
            value = value.mid(1, value.size() - 2);
        bool replaced = false;
        for (Entry &entry : current->entries) {
            if (sameName(entry.key, key)) {
                replaced = true; // the first occurrence wins, as on Windows
                break;
            }
        }
        if (!replaced)
            current->entries.append(Entry{key, value});
    }
}

void TIniFile::save() const
{
    QByteArray data;
    for (const Section &section : m_sections) {
        data += '[' + section.name.toUtf8() + "]\r\n";
        for (const Entry &entry : section.entries)
            data += entry.key.toUtf8() + '=' + quoteValue(entry.value).toUtf8() + "\r\n";
        data += "\r\n";
    }

    const QFileInfo info(m_fileName);
    if (!QDir().mkpath(info.absolutePath()))
        throw EIniFileException(QStringLiteral("Unable to write to %1").arg(m_fileName));
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    const QByteArray temporary = target + ".tmp" + QByteArray::number(qint64(::getpid()));
    ::unlink(temporary.constData());
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        throw EIniFileException(QStringLiteral("Unable to write to %1").arg(m_fileName));
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + written, size_t(data.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    const bool ok = written == data.size() && ::fsync(fd) == 0;
    ::close(fd);
    if (!ok || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        throw EIniFileException(QStringLiteral("Unable to write to %1").arg(m_fileName));
    }
}

const TIniFile::Section *TIniFile::findSection(const QString &name) const
{
    for (const Section &section : m_sections) {
        if (sameName(section.name, name))
            return &section;
    }
    return nullptr;
}

TIniFile::Section *TIniFile::findSection(const QString &name)
{
    for (Section &section : m_sections) {
        if (sameName(section.name, name))
            return &section;
    }
    return nullptr;
}

QString TIniFile::ReadString(const QString &section, const QString &ident, const QString &defaultValue) const
{
    if (const Section *s = findSection(section)) {
        for (const Entry &entry : s->entries) {
            if (sameName(entry.key, ident))
                return entry.value;
        }
    }
    return defaultValue;
}

int TIniFile::ReadInteger(const QString &section, const QString &ident, int defaultValue) const
{
    const QString text = ReadString(section, ident, QString());
    bool ok = false;
    const int value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? text.mid(2).toInt(&ok, 16)
                                                                                : text.toInt(&ok);
    return ok ? value : defaultValue;
}

bool TIniFile::ReadBool(const QString &section, const QString &ident, bool defaultValue) const
{
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::SectionExists(const QString &section) const
{
    return findSection(section) != nullptr;
}

bool TIniFile::ValueExists(const QString &section, const QString &ident) const
{
    if (const Section *s = findSection(section)) {
        for (const Entry &entry : s->entries) {
            if (sameName(entry.key, ident))
                return true;
        }
    }
    return false;
}

QStringList TIniFile::ReadSection(const QString &section) const
{
    QStringList keys;
    if (const Section *s = findSection(section)) {
        for (const Entry &entry : s->entries)
            keys << entry.key;
    }
    return keys;
}

void TIniFile::WriteString(const QString &section, const QString &ident, const QString &value)
{
    // A line break would start a new key on the next read.
    QString flat = value;
    flat.replace(u'\r', u' ').replace(u'\n', u' ');
    Section *s = findSection(section);
    if (!s) {
        m_sections.append(Section{section, {}});
        s = &m_sections.last();
    }
    bool found = false;
    for (Entry &entry : s->entries) {
        if (sameName(entry.key, ident)) {
            entry.value = flat;
            found = true;
            break;
        }
    }
    if (!found)
        s->entries.append(Entry{ident, flat});
    save();
}

void TIniFile::WriteInteger(const QString &section, const QString &ident, int value)
{
    WriteString(section, ident, QString::number(value));
}

void TIniFile::WriteBool(const QString &section, const QString &ident, bool value)
{
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::DeleteKey(const QString &section, const QString &ident)
{
    Section *s = findSection(section);
    if (!s)
        return;
    s->entries.removeIf([&](const Entry &entry) { return sameName(entry.key, ident); });
    save();
}

void TIniFile::EraseSection(const QString &section)
{
    m_sections.removeIf([&](const Section &s) { return sameName(s.name, section); });
    save();
}
