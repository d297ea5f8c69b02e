#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>

// A fresh home for one test: HOME and the XDG folders point into a temporary folder, so
// QStandardPaths answers there (documents in "<home>/Belgeler"). The old values come back at the end.
class TempFolders
{
public:
    TempFolders();
    ~TempFolders();
    TempFolders(const TempFolders &) = delete;
    TempFolders &operator=(const TempFolders &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString home() const;
    QString configHome() const; // XDG_CONFIG_HOME
    QString dataHome() const;   // XDG_DATA_HOME
    QString documents() const;

private:
    void setVariable(const char *name, const QString &value);

    QTemporaryDir m_dir;
    QList<QPair<QByteArray, QByteArray>> m_saved; // name, old value ("\0" marks unset)
};
