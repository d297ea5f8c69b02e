#pragma once

#include <functional>

// The system sounds of message boxes, by their message-beep type.
enum class SystemSound {
    Hand = 16, // error
    Question = 32,
    Exclamation = 48, // warning
    Asterisk = 64     // information
};

void PlaySystemSound(SystemSound sound);

using SystemSoundPlayer = std::function<void(SystemSound)>;
// Replaces the player (tests record the sounds); an empty one restores the default, which plays the
// freedesktop event sound when the desktop offers a player and stays silent otherwise.
SystemSoundPlayer setSystemSoundPlayer(SystemSoundPlayer player);
