#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A UTF-8 INI file: sections and keys keep their order and are matched without regard to case,
// keys are written literally (non-ASCII included, e.g. "hatırla"). Every write goes to disk at once,
// through a temporary file created with mode 0600 and renamed over the old one, because the file
// may hold a password. A write that fails raises EIniFileException.
class TIniFile
{
public:
    explicit TIniFile(const QString &fileName);

    QString FileName() const { return m_fileName; }

    QString ReadString(const QString &section, const QString &ident, const QString &defaultValue) const;
    int ReadInteger(const QString &section, const QString &ident, int defaultValue) const;
    bool ReadBool(const QString &section, const QString &ident, bool defaultValue) const;
    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &ident) const;
    QStringList ReadSection(const QString &section) const;

    void WriteString(const QString &section, const QString &ident, const QString &value);
    void WriteInteger(const QString &section, const QString &ident, int value);
    void WriteBool(const QString &section, const QString &ident, bool value);
    void DeleteKey(const QString &section, const QString &ident);
    void EraseSection(const QString &section);

private:
    struct Entry
    {
        QString key;
        QString value;
    };
    struct Section
    {
        QString name;
        QList<Entry> entries;
    };

    void load();
    void save() const;
    const Section *findSection(const QString &name) const;
    Section *findSection(const QString &name);

    QString m_fileName;
    QList<Section> m_sections;
};
