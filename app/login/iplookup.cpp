#include "app/login/iplookup.h"

#include <QThread>
#include <QUrl>
#include <httplib.h>

bool httpGetText(const QString &baseAddress, const QString &path, int connectTimeoutMs, int readTimeoutMs,
                 QString *body)
{
    const QUrl base(baseAddress);
    if (!base.isValid() || base.host().isEmpty())
        return false;
    httplib::Client client(base.host().toStdString(), base.port(80));
    client.set_connection_timeout(connectTimeoutMs / 1000, (connectTimeoutMs % 1000) * 1000);
    client.set_read_timeout(readTimeoutMs / 1000, (readTimeoutMs % 1000) * 1000);
    QString fullPath = base.path();
    if (!fullPath.endsWith(QLatin1Char('/')))
        fullPath += QLatin1Char('/');
    fullPath += path;
    const auto answer = client.Get(fullPath.toStdString());
    if (!answer || answer->status < 200 || answer->status > 299)
        return false;
    *body = QString::fromUtf8(answer->body.data(), qsizetype(answer->body.size()));
    return true;
}

QString IpLookup::run() const
{
    for (int attempt = 0; attempt < tries; ++attempt) {
        if (cancelled && cancelled())
            break;
        QString body;
        if (httpGetText(baseAddress, QStringLiteral("ip.php"), connectTimeoutMs, readTimeoutMs, &body))
            return body.trimmed();
        if (attempt + 1 < tries)
            QThread::msleep(waitMs);
    }
    return {};
}
