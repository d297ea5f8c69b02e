#include "platform/system/sounds.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <mutex>
#include <utility>

namespace {
std::mutex playerMutex;
SystemSoundPlayer &playerRef()
{
    static SystemSoundPlayer player;
    return player;
}

QString eventSoundName(SystemSound sound)
{
    switch (sound) {
    case SystemSound::Hand:
        return QStringLiteral("dialog-error");
    case SystemSound::Question:
        return QStringLiteral("dialog-question");
    case SystemSound::Exclamation:
        return QStringLiteral("dialog-warning");
    case SystemSound::Asterisk:
        return QStringLiteral("dialog-information");
    }
    return QString();
}

void playDefault(SystemSound sound)
{
    static const QString player = QStandardPaths::findExecutable(QStringLiteral("canberra-gtk-play"));
    if (player.isEmpty())
        return;
    QProcess::startDetached(player, {QStringLiteral("-i"), eventSoundName(sound)});
}
} // namespace

void PlaySystemSound(SystemSound sound)
{
    SystemSoundPlayer player;
    {
        std::lock_guard lock(playerMutex);
        player = playerRef();
    }
    if (player)
        player(sound);
    else
        playDefault(sound);
}

SystemSoundPlayer setSystemSoundPlayer(SystemSoundPlayer player)
{
    std::lock_guard lock(playerMutex);
    return std::exchange(playerRef(), std::move(player));
}
