#include "bench/support/timedclient.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <ctime>

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double TimedClientRun::ms(const QString &from, const QString &to) const
{
    const qint64 a = from == QLatin1String("start") ? startNs : marks.value(from);
    return (marks.value(to) - a) / 1e6;
}

TimedClientRun runTimedClient(const QString &host, int port, const QStringList &arguments, int timeoutMs)
{
    TimedClientRun run;
    // A fresh settings folder: no remembered name and password from an earlier run.
    QTemporaryDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProgram(QStringLiteral(RAVLA_TIMED_CLIENT));
    child.setArguments(QStringList{host, QString::number(port)} + arguments);
    run.startNs = monotonicNs();
    child.start();
    if (!child.waitForStarted(10000)) {
        run.error = QStringLiteral("could not start %1").arg(child.program());
        return run;
    }
    if (!child.waitForFinished(timeoutMs)) {
        child.kill();
        child.waitForFinished(5000);
        run.error = QStringLiteral("no answer within %1 ms").arg(timeoutMs);
    }
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.value(0) == "@mark" && parts.size() == 3)
            run.marks.insert(QString::fromLatin1(parts[1]), parts[2].toLongLong());
        else if (parts.value(0) == "@value" && parts.size() == 3)
            run.values.insert(QString::fromLatin1(parts[1]), parts[2].toDouble());
        else if (parts.value(0) == "@error")
            run.error = QString::fromUtf8(line.mid(7));
    }
    if (run.error.isEmpty() && (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0))
        run.error = QStringLiteral("exit code %1").arg(child.exitCode());
    if (!run.error.isEmpty()) {
        const QByteArray errors = child.readAllStandardError();
        run.error += QLatin1Char('\n') + QString::fromLocal8Bit(errors.right(2000));
        return run;
    }
    run.ok = run.marks.contains(QStringLiteral("usable"));
    if (!run.ok)
        run.error = QStringLiteral("the client never became usable");
    return run;
}
