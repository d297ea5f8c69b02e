#include "appserver/appserver.h"

#include "appserver/database.h"
#include "appserver/demodata.h"
#include "appserver/schema.h"
#include "appserver/servermethods.h"
#include "appserver/webpages.h"
#include "appserver/wire.h"

#include <httplib.h>
#include <sqlite3.h>

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <thread>

namespace json = boost::json;

namespace appserver {

namespace {

constexpr const char *kJson = "application/json; charset=utf-8";

std::string errorBody(const std::string &message)
{
    json::object o;
    o["error"] = message;
    return json::serialize(o);
}

// "%22SepetVer2%22", "\"SepetVer2\"" or "SepetVer2".
std::string methodName(std::string name)
{
    auto strip = [&](const std::string &q) {
        if (name.size() >= 2 * q.size() && name.compare(0, q.size(), q) == 0 &&
            name.compare(name.size() - q.size(), q.size(), q) == 0)
            name = name.substr(q.size(), name.size() - 2 * q.size());
    };
    strip("%22");
    strip("\"");
    return name;
}

QString queryValue(const httplib::Request &req, const char *key)
{
    return QString::fromStdString(req.get_param_value(key));
}

// Fields of a posted form, or of the query when the form came with GET parameters.
QString formValue(const httplib::Request &req, const httplib::Params &form, const char *key)
{
    const auto it = form.find(key);
    if (it != form.end())
        return QString::fromStdString(it->second);
    return queryValue(req, key);
}

} // namespace

class AppServer::Private
{
public:
    explicit Private(ServerOptions o) : options(std::move(o)) {}

    void log(const QString &line) const
    {
        if (options.log) {
            options.log(line);
        } else {
            const QByteArray text =
                (QDateTime::currentDateTime().toString(Qt::ISODate) + QLatin1Char(' ') + line).toUtf8();
            std::fprintf(stderr, "%s\n", text.constData());
        }
    }

    bool openDatabase()
    {
        try {
            const bool isNew = !QFileInfo::exists(options.databasePath);
            Connection db(options.databasePath, isNew);
            Statement check(db.handle(),
                            "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = 'STOK'");
            check.step();
            if (check.columnInt(0) == 0) {
                log(QStringLiteral("Yeni veritabanı hazırlanıyor: %1 (%2 stok)")
                        .arg(options.databasePath)
                        .arg(options.stockCount));
                createSchema(db);
                seedDemoData(db, SeedOptions{options.stockCount, options.today});
            } else {
                Statement index(db.handle(), "SELECT COUNT(*) FROM sqlite_master WHERE name = 'STOKARA'");
                index.step();
                if (index.columnInt(0) == 0)
                    addSearchIndex(db);
            }
        } catch (const std::exception &e) {
            error = QStringLiteral("Veritabanı açılamadı: %1").arg(QString::fromUtf8(e.what()));
            return false;
        }
        pool = std::make_unique<ConnectionPool>(options.databasePath);
        methods = std::make_unique<ServerMethods>(*pool);
        methods->setAutoRegisterUser(options.autoRegisterUser);
        return true;
    }

    void routes()
    {
        http.new_task_queue = [] { return new httplib::ThreadPool(32); };
        http.set_payload_max_length(16 * 1024 * 1024);
        http.set_keep_alive_timeout(10);
        http.set_keep_alive_max_count(1000);
        // Headers and body leave in separate writes; without this each answer waits for a delayed ACK.
        http.set_tcp_nodelay(true);

        http.Get("/datasnap/rest/DSAdmin/GetPlatformName",
                 [](const httplib::Request &, httplib::Response &res) {
                     res.set_content(R"({"result":["Linux"]})", kJson);
                 });
        http.Post(R"(/datasnap/rest/TServerMethods1/(.+))",
                  [this](const httplib::Request &req, httplib::Response &res) { serverMethod(req, res); });
        http.Get(R"(/datasnap/rest/TServerMethods1/(.+))",
                 [](const httplib::Request &, httplib::Response &res) {
                     res.status = 405;
                     res.set_content(errorBody("Sunucu metotları POST ile çağrılır"), kJson);
                 });
        http.Get("/ip.php", [this](const httplib::Request &req, httplib::Response &res) {
            res.set_content(req.remote_addr, "text/plain; charset=utf-8");
            log(QStringLiteral("GET /ip.php %1").arg(QString::fromStdString(req.remote_addr)));
        });
        http.Get("/exe/RavlaSetup.exe", [this](const httplib::Request &, httplib::Response &res) {
            const QByteArray setup = setupProgram();
            res.set_content(setup.toStdString(), "application/octet-stream");
            log(QStringLiteral("GET /exe/RavlaSetup.exe %1 B").arg(setup.size()));
        });
        http.Get("/formmailgonder.aspx", [this](const httplib::Request &req, httplib::Response &res) {
            const QString page = requestFormPage(queryValue(req, "carino"), queryValue(req, "kullanici"),
                                                 queryValue(req, "id"));
            res.set_content(page.toUtf8().toStdString(), "text/html; charset=utf-8");
            log(QStringLiteral("GET /formmailgonder.aspx id=%1").arg(queryValue(req, "id")));
        });
        http.Post("/formmailgonder.aspx", [this](const httplib::Request &req, httplib::Response &res) {
            storeRequestForm(req, res);
        });
    }

    void serverMethod(const httplib::Request &req, httplib::Response &res)
    {
        const auto started = std::chrono::steady_clock::now();
        const std::string method = methodName(req.matches[1].str());
        std::string body;
        try {
            boost::system::error_code ec;
            const json::value request = json::parse(req.body, ec);
            const json::object *object = ec ? nullptr : request.if_object();
            const json::value *parameters = object ? object->if_contains("_parameters") : nullptr;
            if (!parameters && object && object->empty())
                parameters = nullptr;
            if (!object) {
                res.status = 400;
                body = errorBody("İstek gövdesi JSON değil");
            } else if (parameters && !parameters->is_array()) {
                res.status = 400;
                body = errorBody("_parameters bir dizi olmalı");
            } else if (!methods->has(method)) {
                res.status = 404;
                body = errorBody("TServerMethods1." + method + " diye bir metot yok");
            } else {
                static const json::array none;
                body = methods->call(method, parameters ? parameters->as_array() : none);
            }
        } catch (const CallError &e) {
            res.status = 500;
            body = errorBody(e.what());
        } catch (const std::exception &e) {
            res.status = 500;
            body = errorBody(method + ": " + e.what());
        }
        const std::size_t size = body.size();
        res.set_content(std::move(body), kJson);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
        log(QStringLiteral("TServerMethods1.%1 %2 ms %3 B%4")
                .arg(QString::fromStdString(method))
                .arg(ms, 0, 'f', 2)
                .arg(size)
                .arg(res.status == -1 || res.status == 200 ? QString()
                                                           : QStringLiteral(" (hata %1)").arg(res.status)));
    }

    void storeRequestForm(const httplib::Request &req, httplib::Response &res)
    {
        try {
            auto lease = pool->acquire();
            WriteTransaction t(*lease);
            Statement q(lease->handle(),
                        "INSERT INTO ISTEKFORM (CARINO, KULLANICI, BILGISAYARID, FIRMAADI, YETKILI, "
                        "TELEFON, MAIL, MESAJ, IP, TARIH) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
            httplib::Params form;
            httplib::detail::parse_query_text(req.body, form);
            int k = 1;
            for (const char *key :
                 {"carino", "kullanici", "id", "firmaadi", "yetkili", "telefon", "mail", "mesaj"})
                q.bind(k++, formValue(req, form, key));
            q.bind(k++, req.remote_addr).bind(k++, QDateTime::currentDateTime().toString(Qt::ISODate));
            q.exec();
            t.commit();
            res.set_content(requestThanksPage().toUtf8().toStdString(), "text/html; charset=utf-8");
            log(QStringLiteral("POST /formmailgonder.aspx id=%1").arg(formValue(req, form, "id")));
        } catch (const std::exception &e) {
            res.status = 500;
            res.set_content(std::string("Form kaydedilemedi: ") + e.what(), "text/plain; charset=utf-8");
        }
    }

    ServerOptions options;
    QString error;
    std::unique_ptr<ConnectionPool> pool;
    std::unique_ptr<ServerMethods> methods;
    httplib::Server http;
    std::thread thread;
    int boundPort = 0;
};

AppServer::AppServer(ServerOptions options) : d(std::make_unique<Private>(std::move(options))) {}

AppServer::~AppServer()
{
    stop();
}

bool AppServer::start()
{
    // Pictures and PDFs are drawn with fonts, which need the GUI application object.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        d->error = QStringLiteral("AppServer bir QGuiApplication (offscreen) içinde çalışır");
        return false;
    }
    if (!d->openDatabase())
        return false;
    d->routes();
    const std::string host = d->options.host.toStdString();
    if (d->options.port == 0) {
        d->boundPort = d->http.bind_to_any_port(host);
    } else {
        d->boundPort = d->http.bind_to_port(host, d->options.port) ? d->options.port : -1;
    }
    if (d->boundPort <= 0) {
        d->error = QStringLiteral("%1:%2 dinlenemiyor").arg(d->options.host).arg(d->options.port);
        return false;
    }
    d->thread = std::thread([this] { d->http.listen_after_bind(); });
    for (int i = 0; i < 2000 && !d->http.is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    d->log(QStringLiteral("Ravla uygulama sunucusu %1:%2 üzerinde, veritabanı %3")
               .arg(d->options.host)
               .arg(d->boundPort)
               .arg(d->options.databasePath));
    return true;
}

void AppServer::stop()
{
    if (d->thread.joinable()) {
        d->http.stop();
        d->thread.join();
    }
}

int AppServer::port() const
{
    return d->boundPort;
}

bool AppServer::registerComputer(const QString &computerId, const QString &userName)
{
    if (!d->pool)
        return false;
    auto lease = d->pool->acquire();
    WriteTransaction t(*lease);
    Statement q(lease->handle(), "INSERT OR REPLACE INTO BILGISAYAR (BILGISAYARID, KULLANICI, KAYITTARIHI) "
                                 "SELECT ?, SIRANO, date('now') FROM KULLANICI WHERE ADI = ?");
    q.bind(1, computerId).bind(2, userName).exec();
    const bool added = lease->changes() > 0;
    t.commit();
    return added;
}

QList<QVariantList> AppServer::query(const QString &sql, const QVariantList &binds) const
{
    QList<QVariantList> rows;
    if (!d->pool)
        return rows;
    auto lease = d->pool->acquire();
    Statement q(lease->handle(), sql.toStdString());
    for (int i = 0; i < binds.size(); ++i) {
        const QVariant &v = binds.at(i);
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Bool:
            q.bind(i + 1, std::int64_t(v.toLongLong()));
            break;
        case QMetaType::Double:
            q.bind(i + 1, v.toDouble());
            break;
        default:
            if (v.isNull())
                q.bindNull(i + 1);
            else
                q.bind(i + 1, v.toString());
        }
    }
    while (q.step()) {
        QVariantList row;
        for (int c = 0; c < q.columnCount(); ++c) {
            switch (sqlite3_column_type(q.handle(), c)) {
            case SQLITE_INTEGER:
                row << QVariant(qlonglong(q.columnInt64(c)));
                break;
            case SQLITE_FLOAT:
                row << QVariant(q.columnDouble(c));
                break;
            case SQLITE_NULL:
                row << QVariant();
                break;
            case SQLITE_BLOB:
                row << QVariant(q.columnBlob(c));
                break;
            default:
                row << QVariant(q.columnString(c));
            }
        }
        rows << row;
    }
    return rows;
}

QString AppServer::errorString() const
{
    return d->error;
}

const ServerOptions &AppServer::options() const
{
    return d->options;
}

} // namespace appserver
