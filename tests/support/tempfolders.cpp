#include "tests/support/tempfolders.h"

#include <QDir>
#include <QFile>

TempFolders::TempFolders()
{
    if (!m_dir.isValid())
        return;
    QDir().mkpath(configHome());
    QDir().mkpath(dataHome());
    QDir().mkpath(documents());
    QDir().mkpath(home() + QStringLiteral("/.cache"));
    setVariable("HOME", home());
    setVariable("XDG_CONFIG_HOME", configHome());
    setVariable("XDG_DATA_HOME", dataHome());
    setVariable("XDG_CACHE_HOME", home() + QStringLiteral("/.cache"));
    QFile dirs(configHome() + QStringLiteral("/user-dirs.dirs"));
    if (dirs.open(QIODevice::WriteOnly))
        dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Belgeler\"\n");
}

TempFolders::~TempFolders()
{
    for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it) {
        if (it->second == QByteArray("\0", 1))
            qunsetenv(it->first.constData());
        else
            qputenv(it->first.constData(), it->second);
    }
}

QString TempFolders::home() const
{
    return m_dir.path();
}

QString TempFolders::configHome() const
{
    return home() + QStringLiteral("/.config");
}

QString TempFolders::dataHome() const
{
    return home() + QStringLiteral("/.local/share");
}

QString TempFolders::documents() const
{
    return home() + QStringLiteral("/Belgeler");
}

void TempFolders::setVariable(const char *name, const QString &value)
{
    m_saved.append({QByteArray(name), qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray("\0", 1)});
    qputenv(name, QFile::encodeName(value));
}
