#pragma once

#include <QString>

// The user's folders, from QStandardPaths (tests enable its test mode or point XDG variables elsewhere).
// Each answers an empty text when the system cannot tell.
QString documentsFolder();
// The roaming configuration folder (~/.config); the program keeps its own subfolder there.
QString roamingConfigFolder();
// The local application-data folder (~/.local/share).
QString localAppDataFolder();
