#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// Opens a file or a web address with the system's default handler. Every open of the program goes
// through here so tests can record it instead of starting a browser or viewer.
bool ShellOpen(const QUrl &target);
// A local path is opened as a file, anything with a scheme as an address.
bool ShellOpen(const QString &pathOrAddress);

using ShellOpenHandler = std::function<bool(const QUrl &)>;
// Replaces the handler; an empty one restores QDesktopServices. Returns the previous handler.
ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler);
