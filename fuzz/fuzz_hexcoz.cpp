// HexCoz: any UTF-16 text either decodes to the bytes the pairs of hexadecimal digits name, or raises
// EConvertError when a character is not a hexadecimal digit.

#include "fuzz/fuzzcheck.h"
#include "messages/hexcoz.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte picks the reading of the rest: UTF-8 as the wire brings it, or raw UTF-16 units
    // (lone surrogates and all).
    if (size == 0)
        return 0;
    QString text;
    if (data[0] & 1) {
        text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    } else {
        text.resize(qsizetype((size - 1) / 2));
        std::memcpy(text.data(), data + 1, size_t(text.size()) * 2);
    }

    bool allHex = true;
    for (const QChar c : text)
        allHex = allHex && isHexDigit(c);

    QByteArray bytes;
    try {
        bytes = HexCoz(text);
    } catch (const EConvertError &) {
        FUZZ_CHECK(!allHex, QStringLiteral("rejected: %1").arg(text));
        return 0;
    }
    // Anything else thrown escapes and libFuzzer reports it.
    FUZZ_CHECK(allHex, QStringLiteral("accepted: %1").arg(text));
    FUZZ_CHECK(bytes.size() == (text.size() + 1) / 2, text);
    const qsizetype pairs = text.size() / 2;
    const QByteArray expected = QByteArray::fromHex(text.left(pairs * 2).toLatin1());
    FUZZ_CHECK(bytes.left(pairs) == expected, text);
    FUZZ_CHECK(bytes.left(pairs).toHex() == text.left(pairs * 2).toLower().toLatin1(), text);
    // A last single digit is a byte of its own.
    if (text.size() % 2) {
        const QByteArray last = QByteArray::fromHex(QByteArray("0") + text.back().toLatin1());
        FUZZ_CHECK(bytes.back() == last.front(), text);
    }
    return 0;
}
