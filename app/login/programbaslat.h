#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Starts a program detached from ours (the downloaded setup). Tests record the call instead.
bool ProgramBaslat(const QString &path, const QStringList &arguments);

using ProgramStarter = std::function<bool(const QString &, const QStringList &)>;
ProgramStarter setProgramStarter(ProgramStarter starter);
