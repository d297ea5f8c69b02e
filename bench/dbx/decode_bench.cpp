// Decoding and loading a 10,000-row stock list, as the proxy does it, beside two parse floors
// measured on the same bytes: Boost.JSON's parse alone and simdjson's parse and walk of every value.
// Prints the median CPU time of several runs next to its target.

#include "bench/support/benchreport.h"
#include "platform/dataset/clientdataset.h"
#include "platform/dbx/datasetloader.h"
#include "platform/dbx/dbxtable.h"
#include "platform/dbx/jsontext.h"
#include "platform/dbx/sqlconnection.h"
#include "server/proxim.h"
#include "tests/support/scriptedserver.h"

#include <QCoreApplication>

#include <boost/json.hpp>

#ifdef RAVLA_HAVE_SIMDJSON
#include <simdjson.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <malloc.h>
#include <random>
#include <vector>

namespace {

const int kRows = 10000;
const int kRuns = 21;

DbxTable stockList()
{
    using namespace TDBXDataTypes;
    DbxTable t;
    const std::pair<const char *, int> columns[] = {
        {"STOK_STOKNO", Int32Type},
        {"BARKOD", WideStringType},
        {"ADI", WideStringType},
        {"OEM1", WideStringType},
        {"OEM2", WideStringType},
        {"OEM3", WideStringType},
        {"OEM4", WideStringType},
        {"OEMNO", WideStringType},
        {"FINISHKOD", WideStringType},
        {"URETICIKODU", WideStringType},
        {"DIGERADI", WideStringType},
        {"BARKOD_BARKODNO", Int32Type},
        {"DPKOD", WideStringType},
        {"PKOD", WideStringType},
        {"BIRIM", WideStringType},
        {"MARKA", WideStringType},
        {"MODEL", WideStringType},
        {"ANAGRUP", WideStringType},
        {"OZELKOD", WideStringType},
        {"KALAN", DoubleType},
        {"ALINANSIPARIS", DoubleType},
        {"VERILENSIPARIS", DoubleType},
        {"KDV", DoubleType},
        {"FIYAT", DoubleType},
        {"LISTEFIYAT1", DoubleType},
        {"KAMPFIYAT", DoubleType},
        {"NETFIYAT", DoubleType},
        {"KDVDAHIL", DoubleType},
        {"INDIRIMYAZI", WideStringType},
        {"IND1", DoubleType},
        {"IND2", DoubleType},
        {"IND3", DoubleType},
        {"IND4", DoubleType},
        {"K", Int32Type},
        {"Y", Int32Type},
        {"DURUM", Int32Type},
        {"RESIM", Int32Type},
    };
    for (const auto &[name, type] : columns)
        t.addColumn(QString::fromLatin1(name), type, type == WideStringType ? 60 : 0);

    std::mt19937 random(20240229);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const QStringList brands = {"MANN", "BOSCH", "MAHLE", "FILTRON", "SAKURA", "HENGST", "RAVLA"};
    const QStringList models = {"FORD FOCUS 1.6",       "FIAT DOBLO 1.3 MJT",     "RENAULT CLIO IV",
                                "VW PASSAT B8 2.0 TDI", "TOYOTA COROLLA 1.4 D4D", "HYUNDAI I20"};
    const QStringList names = {"YAĞ FİLTRESİ",   "HAVA FİLTRESİ",   "POLEN FİLTRESİ",
                               "YAKIT FİLTRESİ", "HİDROLİK FİLTRE", "KABİN FİLTRESİ KARBONLU"};
    const QStringList groups = {"FİLTRE", "OTOMOTİV", "İŞ MAKİNASI"};
    auto code = [&](const char *prefix) {
        return QStringLiteral("%1%2").arg(prefix).arg(100000 + pick(900000));
    };
    for (int r = 0; r < kRows; ++r) {
        const double liste = 25 + pick(500000) / 100.0;
        const double ind1 = pick(4) * 5.0;
        const double net = std::round(liste * (1 - ind1 / 100) * 100) / 100;
        t.addRow({r + 1,
                  code("RF"),
                  names[pick(names.size())] + " " + brands[pick(brands.size())],
                  code("0"),
                  code("1"),
                  pick(2) ? code("2") : QString(),
                  QString(),
                  code("9"),
                  QString(),
                  code("M"),
                  pick(3) ? QString() : QStringLiteral("Muadil"),
                  800000 + r,
                  QStringLiteral("D%1").arg(pick(90)),
                  QStringLiteral("P%1").arg(pick(900)),
                  QStringLiteral("ADET"),
                  brands[pick(brands.size())],
                  models[pick(models.size())],
                  groups[pick(groups.size())],
                  QStringLiteral("OZ%1").arg(pick(20)),
                  double(pick(500)),
                  double(pick(40)),
                  double(pick(30)),
                  18.0,
                  liste,
                  liste,
                  pick(10) ? 0.0 : std::round(liste * 85) / 100,
                  net,
                  std::round(net * 118) / 100,
                  QStringLiteral("%%1 + %%2").arg(ind1).arg(pick(3) * 5),
                  ind1,
                  double(pick(3) * 5),
                  0.0,
                  0.0,
                  pick(10) ? 0 : 1,
                  pick(8) ? 0 : 1,
                  pick(7),
                  pick(2)});
    }
    return t;
}

// CPU time of this thread: the machine is shared, and wall time would count the others' work.
double threadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double medianMs(const std::function<void()> &run)
{
    std::vector<double> times;
    run(); // warm-up
    for (int i = 0; i < kRuns; ++i) {
        const double start = threadMs();
        run();
        times.push_back(threadMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int columns = 0;
    std::string answer;
    {
        const DbxTable table = stockList();
        columns = table.columnCount();
        answer = "{\"result\":[" + table.toJsonText() + "]}";
    }
    // Building the table left the heap in pieces; a client that just received an answer has not.
    malloc_trim(0);
    std::printf("stock list: %d rows, %d columns, %.2f MB of JSON\n", kRows, columns, answer.size() / 1e6);

    // The proxy's path from the answer text: parse, read the result, decode, load.
    TClientDataSet stok;
    std::vector<double> parseTimes, decodeTimes, loadTimes;
    const double decodeLoad = medianMs([&] {
        const double start = threadMs();
        // Parsed into storage of its own, as the command parses an answer.
        boost::json::monotonic_resource storage;
        boost::json::value parsed = parseJsonText(answer, "bench", storage);
        const double parsedAt = threadMs();
        const DbxTable packet = DbxTable::fromJson(parsed.as_object()["result"].as_array()[0]);
        const double decodedAt = threadMs();
        AssignPacket(packet, stok);
        loadTimes.push_back(threadMs() - decodedAt);
        decodeTimes.push_back(decodedAt - parsedAt);
        parseTimes.push_back(parsedAt - start);
    });
    if (stok.RecordCount() != kRows)
        return 1;
    const double boostParse = medianMs([&] {
        boost::json::monotonic_resource block;
        boost::json::parse(answer, &block);
    });

    double simdParse = -1;
#ifdef RAVLA_HAVE_SIMDJSON
    simdjson::dom::parser parser;
    const simdjson::padded_string padded(answer);
    std::size_t checksum = 0;
    std::function<void(simdjson::dom::element)> walk = [&](simdjson::dom::element e) {
        switch (e.type()) {
        case simdjson::dom::element_type::ARRAY:
            for (auto child : e.get_array())
                walk(child);
            break;
        case simdjson::dom::element_type::OBJECT:
            for (auto field : e.get_object())
                walk(field.value);
            break;
        case simdjson::dom::element_type::STRING:
            checksum += std::string_view(e.get_string()).size();
            break;
        default:
            ++checksum;
        }
    };
    simdParse = medianMs([&] { walk(parser.parse(padded)); });
#endif

    // The whole call over loopback HTTP, for orientation (not part of the target).
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("StokAraGetir"), {200, answer});
    TSQLConnection connection;
    connection.setHostName(QStringLiteral("127.0.0.1"));
    connection.setPort(server.port());
    connection.Open();
    const double wholeCall = medianMs([&] {
        TServerMethods1Client proxy(connection);
        AssignPacket(proxy.StokAraGetir(QStringLiteral("FİLTRE"), TSonucBilgisi()), stok);
    });

    bench::figure("decode and load 10,000 rows (proxy path)", decodeLoad, "ms", 25, bench::Better::Lower, 2);
    bench::figure("rows per second", kRows / (decodeLoad / 1000), "rows/s", 400000, bench::Better::Higher, 0);
    std::printf("of which parse %.2f + table %.2f + data-set load %.2f ms (medians; the rest is freeing)\n",
                median(parseTimes), median(decodeTimes), median(loadTimes));
    bench::info("floor: Boost.JSON parse alone (5.9 before any code)", boostParse, "ms", 2);
    if (simdParse >= 0) {
        bench::info("floor: simdjson parse and walk (2.5 before any code)", simdParse, "ms", 2);
        bench::figure("decode and load / simdjson floor", decodeLoad / simdParse, "x", 10);
    }
    bench::info("whole StokAraGetir call over loopback", wholeCall, "ms", 2);
    return 0;
}
