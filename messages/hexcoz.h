#pragma once

#include <QByteArray>
#include <QString>

// Pictures inside transfer objects: two hexadecimal digits per byte. A last single digit makes a
// byte of its own ("ABC" → 171, 12). A pair that is not hexadecimal raises EConvertError.
QByteArray HexCoz(const QString &text);
