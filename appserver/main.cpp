#include "appserver/appserver.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <pthread.h>

int main(int argc, char *argv[])
{
    // Pictures and PDFs are drawn without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("appserver"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Ravla Filter B2B reference application server"));
    parser.addHelpOption();
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("SQLite database (created when new)."),
                                QStringLiteral("FILE"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("TCP port (default 9090)."),
                                  QStringLiteral("PORT"), QStringLiteral("9090"));
    const QCommandLineOption host(QStringLiteral("host"),
                                  QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                  QStringLiteral("HOST"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption seed(
        QStringLiteral("seed"),
        QStringLiteral("Data for a new database: demo (3,000 items) or large (200,000)."),
        QStringLiteral("demo|large"), QStringLiteral("demo"));
    const QCommandLineOption autoRegister(
        QStringLiteral("auto-register"),
        QStringLiteral("Register unknown computer IDs to this user at login."), QStringLiteral("USER"));
    parser.addOptions({db, port, host, seed, autoRegister});
    parser.process(app);

    if (!parser.isSet(db)) {
        std::fprintf(stderr, "appserver: --db FILE is required\n");
        return 2;
    }
    const QString seedName = parser.value(seed);
    if (seedName != QLatin1String("demo") && seedName != QLatin1String("large")) {
        std::fprintf(stderr, "appserver: --seed is demo or large\n");
        return 2;
    }
    bool portOk = false;
    const int portNumber = parser.value(port).toInt(&portOk);
    if (!portOk || portNumber < 0 || portNumber > 65535) {
        std::fprintf(stderr, "appserver: bad --port\n");
        return 2;
    }

    // The server threads inherit this mask, so the signals reach only the sigwait below.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    appserver::ServerOptions options;
    options.databasePath = parser.value(db);
    options.host = parser.value(host);
    options.port = portNumber;
    options.stockCount = seedName == QLatin1String("large") ? 200000 : 3000;
    options.autoRegisterUser = parser.value(autoRegister);
    appserver::AppServer server(options);
    if (!server.start()) {
        std::fprintf(stderr, "appserver: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    int received = 0;
    sigwait(&stopSignals, &received);
    std::fprintf(stderr, "appserver: %s, stopping\n", received == SIGINT ? "SIGINT" : "SIGTERM");
    server.stop();
    return 0;
}
