#include "messages/virgullumetin.h"

namespace {

bool quoted(const QString &line)
{
    for (const QChar c : line) {
        if (c.unicode() <= 32 || c == QLatin1Char(',') || c == QLatin1Char('"'))
            return true;
    }
    return false;
}

} // namespace

QString VirgulluMetin(const QStringList &lines)
{
    QStringList parts;
    parts.reserve(lines.size());
    for (const QString &line : lines) {
        if (quoted(line)) {
            QString doubled = line;
            doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            parts.append(QLatin1Char('"') + doubled + QLatin1Char('"'));
        } else {
            parts.append(line);
        }
    }
    return parts.join(QLatin1Char(','));
}
