#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// One start of the instrumented client (bench/startup/ravla_timed) in a fresh process with its own
// empty settings folder. The times are CLOCK_MONOTONIC, shared by both processes: startNs is taken
// in this process right before the child is started, so the child's loading counts too.
struct TimedClientRun
{
    bool ok = false;
    QString error; // why it failed; the child's stderr follows
    qint64 startNs = 0;
    QMap<QString, qint64> marks;  // "@mark name ns"
    QMap<QString, double> values; // "@value name v"

    // Milliseconds between two marks; "start" is the parent's start of the child.
    double ms(const QString &from, const QString &to) const;
};

// Runs ravla_timed HOST PORT [arguments] and waits at most timeoutMs.
TimedClientRun runTimedClient(const QString &host, int port, const QStringList &arguments = {},
                              int timeoutMs = 90000);

// Monotonic clock in nanoseconds.
qint64 monotonicNs();

// Median of the values (0 for none).
double median(QList<double> values);
