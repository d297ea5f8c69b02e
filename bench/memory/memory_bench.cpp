// Peak resident memory of the client (VmHWM of its own process) with a 50,000-row stock list shown:
// a fresh client process logs in as BAYI, its start-up loads run, and a search from the search box
// brings 50,000 rows through the proxy, the data set and the real stock list grid.
// The reference server stops a search at 10,000 rows, so a scripted server in front of it answers the
// search with 50,000 rows made from the reference server's own search rows, and passes every other
// call on to it.
//
//   memory_bench [rows]
#include "app/core/identity.h"
#include "bench/support/benchreport.h"
#include "bench/support/timedclient.h"
#include "platform/dbx/dbxtable.h"
#include "platform/dbx/sqlconnection.h"
#include "server/proxim.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/scriptedserver.h"

#include <QGuiApplication>

#include <httplib.h>

#include <cstdio>
#include <malloc.h>

namespace {

const char *const kFigure = "peak RSS, 50,000-row stock list shown";

// The reference server's rows for the search, repeated to the wanted count with their own stock
// numbers and barcodes.
std::string buyukArama(const AppServerFixture &server, const QString &text, int rows, int *sourceRows)
{
    TSQLConnection bagc;
    bagc.setHostName(server.host());
    bagc.setPort(server.port());
    bagc.Open();
    TServerMethods1Client proxy(bagc);
    const std::optional<TSonucBilgisi> bilgi = proxy.BuyukGetir(QStringLiteral("DEMO-BAYI"));
    const DbxTable real = proxy.StokAraGetir(text, bilgi);
    *sourceRows = real.rowCount();
    if (real.rowCount() == 0)
        return {};
    DbxTable big;
    for (const DbxColumn &c : real.columns())
        big.addColumn(c.name, c.type, c.size, c.precision, c.scale);
    const int stokno = real.columnIndex(QStringLiteral("STOK_STOKNO"));
    const int barkod = real.columnIndex(QStringLiteral("BARKOD"));
    for (int r = 0; r < rows; ++r) {
        QVariantList row = real.rows().at(r % real.rowCount());
        const int copy = r / real.rowCount();
        if (stokno >= 0)
            row[stokno] = r + 1;
        if (barkod >= 0 && copy > 0)
            row[barkod] = row[barkod].toString() + QLatin1Char('-') + QString::number(copy);
        big.addRow(std::move(row));
    }
    return "{\"result\":[" + big.toJsonText() + "]}";
}

ScriptedServer::Answer passOn(const ScriptedServer::Request &request, int port)
{
    httplib::Client client("127.0.0.1", port);
    client.set_read_timeout(60, 0);
    httplib::Headers headers;
    for (const auto &[name, value] : request.headers) {
        if (name == "accept" || name == "pragma")
            headers.emplace(name, value);
    }
    const auto type = request.headers.find("content-type");
    const std::string contentType = type == request.headers.end() ? "application/json" : type->second;
    httplib::Result result = request.method == "POST"
                                 ? client.Post(request.path, headers, request.body, contentType)
                                 : client.Get(request.path, headers);
    ScriptedServer::Answer answer;
    if (!result) {
        answer.status = 502;
        answer.body = "{\"error\":\"reference server did not answer\"}";
        return answer;
    }
    answer.status = result->status;
    answer.body = result->body;
    answer.contentType = result->get_header_value("Content-Type");
    return answer;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 50000;
    const QString text = QStringLiteral("FILTRE");

    AppServerFixture server(3000);
    if (!server.isRunning() || !server.registerComputer(BilgisayarIdAl(), QStringLiteral("BAYI"))) {
        bench::failed(kFigure, "reference server did not start");
        return 1;
    }
    int sourceRows = 0;
    std::string answer = buyukArama(server, text, rows, &sourceRows);
    if (answer.empty()) {
        bench::failed(kFigure, "the reference server found nothing to repeat");
        return 1;
    }
    ScriptedServer front;
    const double answerMb = answer.size() / 1e6;
    front.answer(ScriptedServer::methodPath("StokAraGetir"), {200, std::move(answer)});
    const int port = server.port();
    front.setHandler([port](const ScriptedServer::Request &r) { return passOn(r, port); });
    malloc_trim(0);
    std::printf("memory_bench: search \"%s\" answered with %d rows (%d of the reference server's, repeated), "
                "%.1f MB of JSON\n",
                qPrintable(text), rows, sourceRows, answerMb);

    const TimedClientRun run =
        runTimedClient(QStringLiteral("127.0.0.1"), front.port(), {QStringLiteral("--search"), text}, 180000);
    if (!run.ok || !run.values.contains(QStringLiteral("hwm-kb"))) {
        std::printf("client failed: %s\n", qPrintable(run.error));
        bench::failed(kFigure, "the client failed, see above");
        return 1;
    }
    const int shown = int(run.values.value(QStringLiteral("rows")));
    std::printf("  rows shown in the stock list grid: %d; search to rows shown %.0f ms\n", shown,
                run.values.value(QStringLiteral("search-ms")));
    if (shown != rows) {
        bench::failed(kFigure, "the grid did not show every row");
        return 1;
    }
    bench::figure(kFigure, run.values.value(QStringLiteral("hwm-kb")) / 1024, "MB", 250, bench::Better::Lower,
                  0);
    bench::info("  peak RSS after login, before the search",
                run.values.value(QStringLiteral("hwm-before-search-kb")) / 1024, "MB", 0);
    bench::info("  RSS with the rows shown", run.values.value(QStringLiteral("rss-kb")) / 1024, "MB", 0);
    return 0;
}
