#pragma once

#include <QString>

class QApplication;

// Applies the program's window style, sapphire blue and steel grey in the spirit of "Sapphire Kamri".
// Returns false and leaves the default look when the style sheet cannot be loaded or the base
// style does not exist.
bool ApplyWindowStyle(QApplication &app,
                      const QString &styleSheetPath = QStringLiteral(":/styles/sapphirekamri.qss"));
