#pragma once

#include <QString>
#include <functional>

// Asks the maker's "ip.php" for this machine's public address. Each try has a connect time-out of
// 15000 ms and a read time-out of 1500 ms; a failed try waits 1000 ms before the next. The lookup
// gives up after `tries` tries (the original retried forever, which left a dead network hanging the
// login) and then answers the empty text. Runs on a worker.
struct IpLookup
{
    QString baseAddress; // "http://host:port/", the maker's base
    int tries = 5;
    int connectTimeoutMs = 15000;
    int readTimeoutMs = 1500;
    int waitMs = 1000;
    // Asked between tries; a true answer stops the lookup (the window was closed).
    std::function<bool()> cancelled;

    QString run() const;
};

// One GET of base + path; the body on a 2xx answer, nothing otherwise.
bool httpGetText(const QString &baseAddress, const QString &path, int connectTimeoutMs, int readTimeoutMs,
                 QString *body);
