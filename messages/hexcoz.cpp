#include "messages/hexcoz.h"

#include "platform/system/exception.h"

namespace {

int digit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

QByteArray HexCoz(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size() / 2 + 1);
    for (qsizetype p = 0; p < text.size(); p += 2) {
        const int high = digit(text[p]);
        const int low = p + 1 < text.size() ? digit(text[p + 1]) : 0;
        if (high < 0 || low < 0)
            throw EConvertError(QStringLiteral("'%1' geçerli bir onaltılık sayı değil").arg(text.mid(p, 2)));
        bytes.append(char(p + 1 < text.size() ? high * 16 + low : high));
    }
    return bytes;
}
