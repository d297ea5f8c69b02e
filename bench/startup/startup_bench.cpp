// Start-up of the client against the reference server, each run in a fresh process:
//   start to login window   from the start of the process (taken here, right before it is started)
//                           until the login window has been painted
//   login to usable         from the click on "Giriş" with BAYI / 1234 until the main window has been
//                           painted with its tabs built, every start-up load has landed (header
//                           labels, marquee, banners, tab counters) and the opening advertisements
//                           window, their last step, has been painted
// Wall time (it spans processes and threads), median of several runs after one warm-up run.
//
//   startup_bench [runs]
#include "app/core/identity.h"
#include "bench/support/benchreport.h"
#include "bench/support/timedclient.h"
#include "tests/support/appserverfixture.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 7;

    AppServerFixture server(3000);
    // The client identifies this machine the same way; the server lets it in as BAYI.
    if (!server.isRunning() || !server.registerComputer(BilgisayarIdAl(), QStringLiteral("BAYI"))) {
        bench::failed("start to login window shown", "reference server did not start");
        bench::failed("login to main window usable", "reference server did not start");
        return 1;
    }

    QList<double> login, usable, shown, stall, cpuLogin, cpuUsable;
    std::printf("startup_bench: reference server in-process on port %d (3,000 items), %d runs + 1 warm-up\n",
                server.port(), runs);
    for (int i = 0; i <= runs; ++i) {
        const TimedClientRun run = runTimedClient(server.host(), server.port());
        if (!run.ok) {
            std::printf("run %d failed: %s\n", i, qPrintable(run.error));
            bench::failed("start to login window shown", "the client failed, see above");
            bench::failed("login to main window usable", "the client failed, see above");
            return 1;
        }
        std::printf("  run %d%s: login window %.0f ms (main() entered %.0f, application %.0f, main window "
                    "built %.0f), main window painted %.0f ms and usable %.0f ms after the click, longest "
                    "stall %.0f ms\n",
                    i, i == 0 ? " (warm-up)" : "", run.ms("start", "login-shown"), run.ms("start", "main"),
                    run.ms("start", "application"), run.ms("start", "login-opening"),
                    run.ms("clicked", "main-shown"), run.ms("clicked", "usable"),
                    run.values.value(QStringLiteral("stall-ms")));
        if (i == 0) {
            std::printf("  the server announced %d opening advertisements%s\n",
                        int(run.values.value(QStringLiteral("adverts"))),
                        run.values.value(QStringLiteral("adverts")) > 0
                            ? ": \"usable\" includes their window painted"
                            : "");
            continue;
        }
        login << run.ms("start", "login-shown");
        shown << run.ms("clicked", "main-shown");
        usable << run.ms("clicked", "usable");
        stall << run.values.value(QStringLiteral("stall-ms"));
        cpuLogin << run.values.value(QStringLiteral("cpu-login-ms"));
        cpuUsable << run.values.value(QStringLiteral("cpu-usable-ms"));
    }
    bench::figure("start to login window shown", median(login), "ms", 500, bench::Better::Lower, 0);
    bench::figure("login to main window usable", median(usable), "ms", 1000, bench::Better::Lower, 0);
    bench::info("  of which: to main window painted", median(shown), "ms", 0);
    bench::info("  window-thread stall until usable", median(stall), "ms", 0);
    bench::info("  client CPU time to the login window", median(cpuLogin), "ms", 0);
    bench::info("  client CPU time to usable (all threads)", median(cpuUsable), "ms", 0);
    return 0;
}
