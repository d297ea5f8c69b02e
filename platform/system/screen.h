#pragma once

#include <QFont>

// What the program asks of the screen. Tests override the width to reach both layouts.
int screenWidth();
// 0 removes the override.
void setScreenWidthOverride(int width);

// The font of message dialogs; the main window sets its size at start.
QFont messageFont();
void setMessageFont(const QFont &font);
