#include "appserver/servermethods.h"

#include "appserver/database.h"
#include "appserver/pictures.h"
#include "appserver/pricing.h"
#include "appserver/textutil.h"
#include "appserver/wire.h"
#include "platform/dbx/jsonmarshal.h"
#include "server/mobilstokunit.h"

#include <QDateTime>
#include <QStringList>

#include <array>
#include <cmath>
#include <map>
#include <optional>

namespace json = boost::json;

namespace appserver {

namespace {

// Order states as the status buttons number them (1 is the basket).
constexpr const char *kDurumText = "CASE o.DURUMKODU WHEN 2 THEN 'Alındı' WHEN 3 THEN 'Onaylandı' "
                                   "WHEN 4 THEN 'Görüldü' WHEN 5 THEN 'Parçalı Hazırlandı' "
                                   "WHEN 6 THEN 'Hazırlandı' WHEN 7 THEN 'Sevk Edildi' ELSE '' END";

QString durumText(int code)
{
    switch (code) {
    case 2:
        return QStringLiteral("Alındı");
    case 3:
        return QStringLiteral("Onaylandı");
    case 4:
        return QStringLiteral("Görüldü");
    case 5:
        return QStringLiteral("Parçalı Hazırlandı");
    case 6:
        return QStringLiteral("Hazırlandı");
    case 7:
        return QStringLiteral("Sevk Edildi");
    default:
        return {};
    }
}

QString nowDate()
{
    return dateText(QDate::currentDate());
}

QString nowTime()
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

struct UserRow
{
    int sirano = 0;
    QString adi;
    QString sifre;
    int tipi = 0;
    int aktif = 0;
    int carino = 0;
    int saticino = 0;
    QString email;

    bool isStaff() const { return tipi == 1 || tipi == 2; }
};

struct CustomerRow
{
    int carino = 0;
    QString kod;
    QString adi;
    int saticino = 0;
    std::array<double, 4> isk{};
    bool kampanyasiz = false;
    int vade = 0;
};

std::optional<UserRow> readUser(Statement &q)
{
    if (!q.step())
        return std::nullopt;
    UserRow u;
    u.sirano = q.columnInt(0);
    u.adi = q.columnString(1);
    u.sifre = q.columnString(2);
    u.tipi = q.columnInt(3);
    u.aktif = q.columnInt(4);
    u.carino = q.columnInt(5);
    u.saticino = q.columnInt(6);
    u.email = q.columnString(7);
    return u;
}

constexpr const char *kUserColumns = "SIRANO, ADI, SIFRE, TIPI, AKTIF, CARINO, SATICINO, EMAIL";

std::optional<UserRow> findUser(Connection &db, int sirano)
{
    Statement q(db.handle(), std::string("SELECT ") + kUserColumns + " FROM KULLANICI WHERE SIRANO = ?");
    q.bind(1, sirano);
    return readUser(q);
}

std::optional<CustomerRow> findCustomer(Connection &db, int carino)
{
    Statement q(db.handle(),
                "SELECT CARINO, CARIKOD, CARIADI, SATICINO, ISK1, ISK2, ISK3, ISK4, KAMPANYASIZ, VADE "
                "FROM CARI WHERE CARINO = ?");
    q.bind(1, carino);
    if (!q.step())
        return std::nullopt;
    CustomerRow c;
    c.carino = q.columnInt(0);
    c.kod = q.columnString(1);
    c.adi = q.columnString(2);
    c.saticino = q.columnInt(3);
    for (int i = 0; i < 4; ++i)
        c.isk[std::size_t(i)] = q.columnDouble(4 + i);
    c.kampanyasiz = q.columnInt(8) != 0;
    c.vade = q.columnInt(9);
    return c;
}

bool mayActFor(const UserRow &u, const CustomerRow &c)
{
    if (u.aktif != 1)
        return false;
    switch (u.tipi) {
    case 1:
        return c.saticino == u.saticino;
    case 2:
        return true;
    default:
        return c.carino == u.carino;
    }
}

// The session's user as the database knows it; the record's own type and customer are not trusted.
UserRow sessionUser(Connection &db, const TSonucBilgisi &s)
{
    const std::optional<UserRow> u = findUser(db, s.Sirano());
    if (!u)
        throw CallError("Oturumun kullanıcısı tanınmıyor");
    return *u;
}

// Customers a user may see: sales staff type 1 their own, type 2 all, dealers their account.
constexpr const char *kVisible =
    "(?1 = 2 OR (?1 = 1 AND c.SATICINO = ?2) OR (?1 IN (3, 4) AND c.CARINO = ?3))";

void bindVisibility(Statement &q, const UserRow &u)
{
    q.bind(1, u.aktif == 1 ? u.tipi : 0).bind(2, u.saticino).bind(3, u.carino);
}

json::array streamResult(const QByteArray &bytes)
{
    json::array result;
    result.emplace_back(std::int64_t(bytes.size()));
    result.emplace_back(streamJson(bytes));
    return result;
}

// --- stock lists -----------------------------------------------------------------------------

const std::vector<ColumnSpec> kStockColumns = {
    {"STOK_STOKNO", DbxInt32},
    {"BARKOD", DbxWideString},
    {"ADI", DbxWideString},
    {"OEM1", DbxWideString},
    {"OEM2", DbxWideString},
    {"OEM3", DbxWideString},
    {"OEM4", DbxWideString},
    {"OEMNO", DbxWideString},
    {"FINISHKOD", DbxWideString},
    {"URETICIKODU", DbxWideString},
    {"DIGERADI", DbxWideString},
    {"BARKOD_BARKODNO", DbxInt32},
    {"DPKOD", DbxWideString},
    {"PKOD", DbxWideString},
    {"BIRIM", DbxWideString},
    {"MARKA", DbxWideString},
    {"MODEL", DbxWideString},
    {"ANAGRUP", DbxWideString},
    {"OZELKOD", DbxWideString},
    {"KALAN", DbxDouble},
    {"ALINANSIPARIS", DbxDouble},
    {"VERILENSIPARIS", DbxDouble},
    {"KDV", DbxDouble},
    {"FIYAT", DbxDouble},
    {"ESKIFIYAT", DbxDouble},
    {"LISTEFIYAT1", DbxDouble},
    {"KAMPFIYAT", DbxDouble},
    {"NETFIYAT", DbxDouble},
    {"KDVDAHIL", DbxDouble},
    {"INDIRIMYAZI", DbxWideString},
    {"INDIRIM", DbxDouble},
    {"IND1", DbxDouble},
    {"IND2", DbxDouble},
    {"IND3", DbxDouble},
    {"IND4", DbxDouble},
    {"K", DbxInt32},
    {"Y", DbxInt32},
    {"DURUM", DbxInt32},
    {"RESIM", DbxInt32},
};

// Prices as they apply to one customer: ?1 campaign allowed, ?2 discount factor, ?3 discount text,
// ?4..?7 the four rates. With campaignFiyat the campaign list's FIYAT carries the campaign price.
std::string stockQuery(const std::string &where, bool campaignFiyat, const std::string &tail,
                       const std::string &from = "STOK s", const std::string &innerTail = {})
{
    const std::string fiyat =
        campaignFiyat ? "CASE WHEN n.K = 1 THEN n.NET ELSE n.LISTEFIYAT END" : "n.LISTEFIYAT";
    return "SELECT n.STOKNO, n.BARKOD, n.ADI, n.OEM1, n.OEM2, n.OEM3, n.OEM4, n.OEMNO, n.FINISHKOD, "
           "n.URETICIKODU, n.DIGERADI, n.BARKODNO, n.DPKOD, n.PKOD, n.BIRIM, n.MARKA, n.MODEL, n.ANAGRUP, "
           "n.OZELKOD, n.KALAN, n.ALINANSIPARIS, n.VERILENSIPARIS, n.KDV, " +
           fiyat +
           ", n.LISTEFIYAT, n.LISTEFIYAT, CASE WHEN n.K = 1 THEN n.KAMPFIYAT ELSE 0.0 END, n.NET, "
           "ROUND(n.NET * (1 + n.KDV / 100.0), 2), "
           "CASE WHEN n.K = 1 THEN '%' || CAST(ROUND(100 - 100 * n.KAMPFIYAT / n.LISTEFIYAT) AS INTEGER) "
           "ELSE ?3 END, "
           "CASE WHEN n.K = 1 THEN ROUND(100 - 100 * n.KAMPFIYAT / n.LISTEFIYAT, 2) "
           "ELSE ROUND(100 * (1 - ?2), 2) END, "
           "CASE WHEN n.K = 1 THEN 0.0 ELSE ?4 END, CASE WHEN n.K = 1 THEN 0.0 ELSE ?5 END, "
           "CASE WHEN n.K = 1 THEN 0.0 ELSE ?6 END, CASE WHEN n.K = 1 THEN 0.0 ELSE ?7 END, "
           "n.K, n.YENI, n.DURUM, n.RESIM FROM (SELECT s.*, "
           "CASE WHEN ?1 AND s.KAMPFIYAT > 0 THEN 1 ELSE 0 END AS K, "
           "CASE WHEN ?1 AND s.KAMPFIYAT > 0 THEN s.KAMPFIYAT ELSE ROUND(s.LISTEFIYAT * ?2, 2) END AS NET "
           "FROM " +
           from + " WHERE " + where + " " + innerTail + ") n " + tail;
}

void bindPricing(Statement &q, const CustomerRow &c, bool campaignAllowed)
{
    q.bind(1, campaignAllowed ? 1 : 0).bind(2, discountFactor(c.isk)).bind(3, discountText(c.isk));
    for (int i = 0; i < 4; ++i)
        q.bind(4 + i, c.isk[std::size_t(i)]);
}

// A customer that does not exist sees list prices.
CustomerRow customerOrDefault(Connection &db, int carino)
{
    if (std::optional<CustomerRow> c = findCustomer(db, carino))
        return *c;
    return CustomerRow{};
}

// --- basket and order lines ------------------------------------------------------------------

const std::vector<ColumnSpec> kBasketColumns = {
    {"SEC", DbxInt32},
    {"VERILISTARIHI", DbxDate},
    {"SIRANO", DbxInt32},
    {"SIPARISNO", DbxInt32},
    {"CARINO", DbxInt32},
    {"TARIH", DbxDate},
    {"AKTAR", DbxInt32},
    {"STOKNO", DbxInt32},
    {"BARKOD", DbxWideString},
    {"FINISHKOD", DbxWideString},
    {"OEMNO", DbxWideString},
    {"STOKADI", DbxWideString},
    {"MIKTAR", DbxDouble},
    {"BIRIMFIYAT", DbxDouble},
    {"TUTAR", DbxDouble},
    {"INDIRIMYAZI", DbxWideString},
    {"INDIRIMORANI1", DbxDouble},
    {"INDIRIMORANI2", DbxDouble},
    {"INDIRIMORANI3", DbxDouble},
    {"INDIRIMTUTAR", DbxDouble},
    {"NETBIRIMFIYAT", DbxDouble},
    {"KDV", DbxDouble},
    {"VERGITUTARI", DbxDouble},
    {"NETTUTAR", DbxDouble},
    {"KUR", DbxWideString},
    {"KURTL", DbxDouble},
    {"VERENIDNO", DbxInt32},
    {"SAAT", DbxWideString},
    {"TESLIMID", DbxInt32},
    {"KARGOID", DbxInt32},
    {"ACIKLAMA", DbxWideString},
    {"IDNO", DbxInt32},
    {"VERENSIRANO", DbxInt32},
    {"VEREN", DbxWideString},
    {"CARIKOD", DbxWideString},
    {"CARIADI", DbxWideString},
    {"OEM1", DbxWideString},
    {"OEM2", DbxWideString},
    {"OEM3", DbxWideString},
    {"OEM4", DbxWideString},
    {"STOK_STOKNO", DbxInt32},
    {"URETICIKODU", DbxWideString},
    {"DIGERADI", DbxWideString},
    {"DPKOD", DbxWideString},
    {"PKOD", DbxWideString},
    {"MARKA", DbxWideString},
    {"MODEL", DbxWideString},
    {"ANAGRUP", DbxWideString},
    {"OZELKOD", DbxWideString},
    {"DURUM", DbxInt32},
    {"KALAN", DbxDouble},
    {"INDIRIMORANI4", DbxDouble},
};

constexpr const char *kBasketSelect =
    "SELECT b.SEC, b.TARIH, b.SIRANO, 0, b.CARINO, b.TARIH, 0, b.STOKNO, s.BARKOD, s.FINISHKOD, s.OEMNO, "
    "s.ADI, b.MIKTAR, b.BIRIMFIYAT, b.TUTAR, b.INDIRIMYAZI, b.INDIRIMORANI1, b.INDIRIMORANI2, "
    "b.INDIRIMORANI3, b.INDIRIMTUTAR, b.NETBIRIMFIYAT, b.KDV, b.VERGITUTARI, b.NETTUTAR, 'TL', 1.0, "
    "b.VERENIDNO, b.SAAT, 1, 1, b.ACIKLAMA, b.SIRANO, b.VERENIDNO, b.VEREN, c.CARIKOD, c.CARIADI, "
    "s.OEM1, s.OEM2, s.OEM3, s.OEM4, s.STOKNO, s.URETICIKODU, s.DIGERADI, s.DPKOD, s.PKOD, s.MARKA, "
    "s.MODEL, s.ANAGRUP, s.OZELKOD, s.DURUM, s.KALAN, b.INDIRIMORANI4 "
    "FROM SEPET b JOIN STOK s ON s.STOKNO = b.STOKNO JOIN CARI c ON c.CARINO = b.CARINO ";

std::vector<ColumnSpec> orderLineColumns()
{
    std::vector<ColumnSpec> columns;
    for (const ColumnSpec &c : kBasketColumns)
        if (std::string_view(c.name) != "SEC" && std::string_view(c.name) != "KALAN")
            columns.push_back(c);
    const std::vector<ColumnSpec> extra = {
        {"ILKFIYAT", DbxDouble},     {"TESLIM", DbxWideString},    {"KARGO", DbxWideString},
        {"TESLIMEDILEN", DbxDouble}, {"KALAN", DbxDouble},         {"STOKHAR_NO", DbxInt32},
        {"ELDEKI", DbxDouble},       {"ALINANSIPARIS", DbxDouble}, {"VERILENSIPARIS", DbxDouble},
    };
    columns.insert(columns.end(), extra.begin(), extra.end());
    return columns;
}

const std::vector<ColumnSpec> kOrderLineColumns = orderLineColumns();

constexpr const char *kOrderLineSelect =
    "SELECT l.TARIH, l.SIRANO, l.IDNO, l.CARINO, o.TARIH, 0, l.STOKNO, s.BARKOD, s.FINISHKOD, s.OEMNO, "
    "s.ADI, l.MIKTAR, l.BIRIMFIYAT, l.TUTAR, l.INDIRIMYAZI, l.INDIRIMORANI1, l.INDIRIMORANI2, "
    "l.INDIRIMORANI3, l.INDIRIMTUTAR, l.NETBIRIMFIYAT, l.KDV, l.VERGITUTARI, l.NETTUTAR, o.KUR, o.KURTL, "
    "l.VERENIDNO, l.SAAT, o.TESLIMID, o.KARGOID, COALESCE(l.ACIKLAMA, s.ADI), l.IDNO, l.VERENIDNO, l.VEREN, "
    "c.CARIKOD, c.CARIADI, s.OEM1, s.OEM2, s.OEM3, s.OEM4, s.STOKNO, s.URETICIKODU, s.DIGERADI, s.DPKOD, "
    "s.PKOD, s.MARKA, s.MODEL, s.ANAGRUP, s.OZELKOD, s.DURUM, l.INDIRIMORANI4, l.ILKFIYAT, t.ADI, k.CINS, "
    "l.TESLIMEDILEN, l.KALAN, l.STOKHAR_NO, s.KALAN, s.ALINANSIPARIS, s.VERILENSIPARIS "
    "FROM SIPARISSATIR l JOIN SIPARIS o ON o.IDNO = l.IDNO JOIN STOK s ON s.STOKNO = l.STOKNO "
    "JOIN CARI c ON c.CARINO = l.CARINO JOIN TESLIM t ON t.TESLIMID = o.TESLIMID "
    "JOIN KARGO k ON k.KARGOID = o.KARGOID ";

struct BasketLine
{
    int sirano = 0;
    int carino = 0;
    int stokno = 0;
    Line line;
};

std::optional<BasketLine> findBasketLine(Connection &db, int sirano)
{
    Statement q(db.handle(),
                "SELECT SIRANO, CARINO, STOKNO, MIKTAR, BIRIMFIYAT, INDIRIMORANI1, INDIRIMORANI2, "
                "INDIRIMORANI3, INDIRIMORANI4, KAMPANYALI, NETBIRIMFIYAT, KDV FROM SEPET "
                "WHERE SIRANO = ?");
    q.bind(1, sirano);
    if (!q.step())
        return std::nullopt;
    BasketLine b;
    b.sirano = q.columnInt(0);
    b.carino = q.columnInt(1);
    b.stokno = q.columnInt(2);
    b.line.miktar = q.columnDouble(3);
    b.line.birim = q.columnDouble(4);
    for (int i = 0; i < 4; ++i)
        b.line.ind[std::size_t(i)] = q.columnDouble(5 + i);
    b.line.kampanyali = q.columnInt(9) != 0;
    b.line.net = q.columnDouble(10);
    b.line.kdv = q.columnDouble(11);
    return b;
}

void updateBasketLine(Connection &db, int sirano, const Line &l, const UserRow &u)
{
    Statement q(db.handle(),
                "UPDATE SEPET SET MIKTAR = ?, BIRIMFIYAT = ?, INDIRIMORANI1 = ?, INDIRIMORANI2 = ?, "
                "INDIRIMORANI3 = ?, INDIRIMORANI4 = ?, KAMPANYALI = ?, NETBIRIMFIYAT = ?, "
                "TUTAR = ?, INDIRIMTUTAR = ?, NETTUTAR = ?, KDV = ?, VERGITUTARI = ?, "
                "INDIRIMYAZI = ?, VERENIDNO = ?, VEREN = ? WHERE SIRANO = ?");
    q.bind(1, l.miktar).bind(2, l.birim);
    for (int i = 0; i < 4; ++i)
        q.bind(3 + i, l.ind[std::size_t(i)]);
    q.bind(7, l.kampanyali ? 1 : 0).bind(8, l.net).bind(9, l.tutar).bind(10, l.indirimTutar);
    q.bind(11, l.netTutar).bind(12, l.kdv).bind(13, l.vergi).bind(14, l.indirimYazi);
    q.bind(15, u.sirano).bind(16, u.adi).bind(17, sirano);
    q.exec();
}

// --- customers -------------------------------------------------------------------------------

const std::vector<ColumnSpec> kCustomerColumns = {
    {"CARINO", DbxInt32},
    {"CARIKOD", DbxWideString},
    {"CARIADI", DbxWideString},
    {"SATICISI", DbxWideString},
    {"TLBAKIYE", DbxDouble},
    {"DURUM", DbxWideString},
    {"OZELKOD", DbxWideString},
    {"KOD1", DbxWideString},
    {"KOD2", DbxWideString},
    {"KOD3", DbxWideString},
    {"KOD4", DbxWideString},
    {"KOD5", DbxWideString},
    {"TEL1", DbxWideString},
    {"TEL2", DbxWideString},
    {"ILCE", DbxWideString},
    {"IL", DbxWideString},
    {"GSM", DbxWideString},
    {"SEPET", DbxInt32},
    {"YETKILI", DbxWideString},
    {"INDIRIM", DbxDouble},
    {"VADE", DbxInt32},
    {"VADEKONTROLGUN", DbxInt32},
    {"VADEKONTROLAY", DbxInt32},
    {"VERGIDAIRESI", DbxWideString},
    {"VERGINO", DbxWideString},
    {"ADRES1", DbxWideString},
    {"ADRES2", DbxWideString},
    {"ANAGRUP", DbxWideString},
    {"ALTGRUP", DbxWideString},
    {"FAX1", DbxWideString},
    {"FAX2", DbxWideString},
    {"EMAIL", DbxWideString},
    {"ALINDI", DbxInt32},
    {"ONAYLANDI", DbxInt32},
    {"GORULDU", DbxInt32},
    {"HAZIRLANDI", DbxInt32},
    {"PARCALIHAZIRLANDI", DbxInt32},
};

std::string customerQuery(const std::string &extraWhere)
{
    auto count = [](int state) {
        return "(SELECT COUNT(*) FROM SIPARIS o WHERE o.CARINO = c.CARINO AND o.DURUMKODU = " +
               std::to_string(state) + ")";
    };
    return "SELECT c.CARINO, c.CARIKOD, c.CARIADI, sa.ADI, ROUND(c.BAL, 2), "
           "CASE WHEN c.BAL > 0.005 THEN 'Borçlu' WHEN c.BAL < -0.005 THEN 'Alacaklı' ELSE '' END, "
           "c.OZELKOD, c.KOD1, c.KOD2, c.KOD3, c.KOD4, c.KOD5, c.TEL1, c.TEL2, c.ILCE, c.IL, c.GSM, "
           "(SELECT COUNT(*) FROM SEPET b WHERE b.CARINO = c.CARINO), c.YETKILI, c.ISK1, c.VADE, "
           "c.VADEKONTROLGUN, c.VADEKONTROLAY, c.VERGIDAIRESI, c.VERGINO, c.ADRES1, c.ADRES2, c.ANAGRUP, "
           "c.ALTGRUP, c.FAX1, c.FAX2, c.EMAIL, " +
           count(2) + ", " + count(3) + ", " + count(4) + ", " + count(6) + ", " + count(5) +
           " FROM (SELECT c.*, COALESCE((SELECT SUM(e.BORC - e.ALACAK) FROM EKSTRE e "
           "WHERE e.CARINO = c.CARINO), 0) AS BAL FROM CARI c) c JOIN SATICI sa ON sa.SATICINO = c.SATICINO "
           "WHERE " +
           kVisible + extraWhere + " ORDER BY c.CARIADI";
}

double balanceOf(Connection &db, int carino)
{
    Statement q(db.handle(), "SELECT COALESCE(SUM(BORC - ALACAK), 0) FROM EKSTRE WHERE CARINO = ?");
    q.bind(1, carino);
    q.step();
    return round2(q.columnDouble(0));
}

// Debt older than the payment term: the balance minus what was invoiced within the term.
double overdueOf(Connection &db, int carino, int vade, const QDate &day)
{
    const double balance = balanceOf(db, carino);
    Statement q(db.handle(), "SELECT COALESCE(SUM(BORC), 0) FROM EKSTRE WHERE CARINO = ? AND TARIH > ?");
    q.bind(1, carino).bind(2, dateText(day.addDays(-vade)));
    q.step();
    return round2(balance - q.columnDouble(0));
}

QByteArray blobOrEmpty(Connection &db, const char *sql, int key)
{
    Statement q(db.handle(), sql);
    q.bind(1, key);
    if (!q.step() || q.isNull(0))
        return {};
    return q.columnBlob(0);
}

TAcilisEkran announcement(Statement &q)
{
    TAcilisEkran e;
    e.setSiraNo(q.columnInt(0));
    e.setResim(q.isNull(1) ? QString() : hexText(q.columnBlob(1)));
    e.setBaslik(q.columnString(2));
    e.setArama(q.columnString(3));
    return e;
}

} // namespace

// -----------------------------------------------------------------------------------------------

struct ServerMethods::Context
{
    Connection &db;
    const QString &autoRegisterUser;
};

namespace {

using Ctx = ServerMethods::Context;
using Handler = Answer (*)(Ctx &, const CallArgs &);

Answer tableResult(Statement &q, const std::vector<ColumnSpec> &columns)
{
    return Answer::table(tableText(q, columns));
}

// Login and customers -------------------------------------------------------------------------

Answer BuyukGetir(Ctx &ctx, const CallArgs &a)
{
    const QString idsi = a.text(0);
    auto lookup = [&] {
        Statement q(ctx.db.handle(),
                    "SELECT k.SIRANO, k.ADI, k.SIFRE, k.TIPI, k.AKTIF, k.CARINO, k.SATICINO, "
                    "k.EMAIL FROM BILGISAYAR b JOIN KULLANICI k ON k.SIRANO = b.KULLANICI "
                    "WHERE b.BILGISAYARID = ?");
        q.bind(1, idsi);
        return readUser(q);
    };
    std::optional<UserRow> user = lookup();
    if (!user && !ctx.autoRegisterUser.isEmpty()) {
        WriteTransaction t(ctx.db);
        Statement q(ctx.db.handle(),
                    "INSERT OR IGNORE INTO BILGISAYAR (BILGISAYARID, KULLANICI, KAYITTARIHI) "
                    "SELECT ?, SIRANO, ? FROM KULLANICI WHERE ADI = ?");
        q.bind(1, idsi).bind(2, nowDate()).bind(3, ctx.autoRegisterUser).exec();
        t.commit();
        user = lookup();
    }
    int version = 3;
    {
        Statement q(ctx.db.handle(), "SELECT DEGER FROM AYAR WHERE ANAHTAR = 'VERSION'");
        if (q.step())
            version = q.columnString(0).toInt();
    }
    TSonucBilgisi r;
    r.setBILGISAYARID(idsi);
    r.setVersion(version);
    if (user) {
        r.setVarmi(true);
        r.setSirano(user->sirano);
        r.setADI(user->adi);
        r.setSIFRE(user->sifre);
        r.setAKTIF(user->aktif);
        r.setMusteriTipi(user->tipi);
        r.setKullanicimail(user->email);
        r.setSaticiNo(user->saticino);
        Statement s(ctx.db.handle(), "SELECT ADI, TELEFON, MAIL FROM SATICI WHERE SATICINO = ?");
        s.bind(1, user->saticino);
        if (s.step()) {
            r.setSaticiAdi(s.columnString(0));
            r.setSaticiTelefon(s.columnString(1));
            r.setSaticiMail(s.columnString(2));
        }
        if (const std::optional<CustomerRow> c = findCustomer(ctx.db, user->carino)) {
            r.setCARINO(c->carino);
            r.setCariAdi(c->adi);
            r.setcarikod(c->kod);
        }
    }
    return json::array{TJSONMarshal::marshal(r)};
}

Answer MobilCariBilgisiGetir(Ctx &ctx, const CallArgs &a)
{
    const QString idsi = a.text(1);
    Statement q(
        ctx.db.handle(),
        "SELECT k.ADI, k.SIFRE, k.EMAIL, sa.ADI, sa.TELEFON, sa.MAIL, c.CARINO, c.CARIKOD, c.CARIADI, "
        "c.IL, c.ILCE, c.ULKE, c.ADRES1, c.ADRES2, c.TEL1, c.TEL2, c.GSM, c.FAX1, c.FAX2, c.EMAIL, "
        "c.VERGIDAIRESI, c.VERGINO, c.YETKILI, c.ANAGRUP, c.ALTGRUP, c.OZELKOD, "
        "(SELECT COALESCE(SUM(BORC), 0) FROM EKSTRE e WHERE e.CARINO = c.CARINO), "
        "(SELECT COALESCE(SUM(ALACAK), 0) FROM EKSTRE e WHERE e.CARINO = c.CARINO) "
        "FROM BILGISAYAR b JOIN KULLANICI k ON k.SIRANO = b.KULLANICI "
        "JOIN SATICI sa ON sa.SATICINO = k.SATICINO LEFT JOIN CARI c ON c.CARINO = k.CARINO "
        "WHERE b.BILGISAYARID = ?");
    q.bind(1, idsi);
    if (!q.step())
        return json::array{nullptr};
    const double borc = round2(q.columnDouble(26));
    const double alacak = round2(q.columnDouble(27));
    TMobilCariBilgisi m;
    m.setBILGISAYARID(idsi);
    m.setSEHIR(q.columnString(9));
    m.setFAX1(q.columnString(17));
    m.setSATICIMAIL(q.columnString(5));
    m.setSATICIADI(q.columnString(3));
    m.setCARIADI(q.columnString(8));
    m.setEMAIL(q.columnString(19));
    m.setVERGIDAIRESI(q.columnString(20));
    m.setYETKILI(q.columnString(22));
    m.setAltGrup(q.columnString(24));
    m.setTEL2(q.columnString(15));
    m.setSIFRE(q.columnString(1));
    m.setGSM(q.columnString(16));
    m.setTEL1(q.columnString(14));
    m.setADRES2(q.columnString(13));
    m.setTLBORC(borc);
    m.setTLALACAK(alacak);
    m.setADRES1(q.columnString(12));
    m.setULKE(q.columnString(11));
    m.setAnaGrup(q.columnString(23));
    m.setCARINO(q.isNull(6) ? 0 : q.columnInt(6));
    m.setTLBAKIYE(round2(borc - alacak));
    m.setVERGINO(q.columnString(21));
    m.setMAIL(q.columnString(2));
    m.setOzelKod(q.columnString(25));
    m.setKULLANICIADI(q.columnString(0));
    m.setSATICITELEFON(q.columnString(4));
    m.setCARIKOD(q.columnString(7));
    m.setFAX2(q.columnString(18));
    m.setILCE(q.columnString(10));
    return json::array{TJSONMarshal::marshal(m)};
}

Answer CariAra(Ctx &ctx, const CallArgs &a)
{
    const UserRow u = sessionUser(ctx.db, a.session(0));
    Statement q(ctx.db.handle(), customerQuery(" AND (?4 = '' OR instr(c.ARAMA, ?4) > 0)"));
    bindVisibility(q, u);
    q.bind(4, searchKey(a.text(1).trimmed()));
    return tableResult(q, kCustomerColumns);
}

Answer CariSepetVer(Ctx &ctx, const CallArgs &a)
{
    const UserRow u = sessionUser(ctx.db, a.session(0));
    const int n = a.integer(1);
    const std::string filter = n == 1 ? " AND EXISTS (SELECT 1 FROM SEPET b WHERE b.CARINO = c.CARINO)"
                                      : " AND EXISTS (SELECT 1 FROM SIPARIS o WHERE o.CARINO = c.CARINO "
                                        "AND o.DURUMKODU = ?4)";
    Statement q(ctx.db.handle(), customerQuery(filter));
    bindVisibility(q, u);
    if (n != 1)
        q.bind(4, n);
    return tableResult(q, kCustomerColumns);
}

Answer SepetSayisi(Ctx &ctx, const CallArgs &a)
{
    const UserRow u = sessionUser(ctx.db, a.session(0));
    Statement q(ctx.db.handle(), std::string("SELECT COUNT(*) FROM CARI c WHERE ") + kVisible +
                                     " AND EXISTS (SELECT 1 FROM SEPET b WHERE b.CARINO = c.CARINO)");
    bindVisibility(q, u);
    q.step();
    return json::array{q.columnInt(0)};
}

Answer TusSonuclariVer(Ctx &ctx, const CallArgs &a)
{
    const UserRow u = sessionUser(ctx.db, a.session(0));
    Statement q(ctx.db.handle(), std::string("SELECT o.DURUMKODU, COUNT(*) FROM SIPARIS o JOIN CARI c ON "
                                             "c.CARINO = o.CARINO WHERE ") +
                                     kVisible + " GROUP BY o.DURUMKODU");
    bindVisibility(q, u);
    TTusSonuclari t;
    while (q.step()) {
        const int count = q.columnInt(1);
        switch (q.columnInt(0)) {
        case 2:
            t.setAlindi(count);
            break;
        case 3:
            t.setOnaylandi(count);
            break;
        case 4:
            t.setGoruldu(count);
            break;
        case 5:
            t.setParcaliHazirlandi(count);
            break;
        case 6:
            t.setHazirlandi(count);
            break;
        case 7:
            t.setSevkEdildi(count);
            break;
        }
    }
    return json::array{TJSONMarshal::marshal(t)};
}

Answer CariVadeGunGecmismiBul(Ctx &ctx, const CallArgs &a)
{
    const std::optional<CustomerRow> c = findCustomer(ctx.db, a.integer(0));
    if (!c)
        return json::array{""};
    const double overdue = overdueOf(ctx.db, c->carino, c->vade, QDate::currentDate());
    if (overdue < 0.01)
        return json::array{""};
    const QString text = QStringLiteral("Vadesi %1 günü geçmiş %2 TL borcunuz bulunmaktadır. "
                                        "Lütfen ödemenizi yapınız.")
                             .arg(c->vade)
                             .arg(amountText(overdue));
    return json::array{jsonString(text)};
}

// Stock lists ---------------------------------------------------------------------------------

// Rows a search returns at most; a two-letter search over the large catalogue stays answerable.
constexpr int kSearchLimit = 10000;

Answer StokAraGetir(Ctx &ctx, const CallArgs &a)
{
    const TSonucBilgisi s = a.session(1);
    const UserRow u = sessionUser(ctx.db, s);
    const CustomerRow c = customerOrDefault(ctx.db, s.CARINO());
    QStringList words = searchKey(a.text(0)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    while (words.size() > 8)
        words.removeLast();
    if (words.isEmpty()) {
        Statement none(ctx.db.handle(), stockQuery("0", false, ""));
        bindPricing(none, c, false);
        return tableResult(none, kStockColumns);
    }
    // Words of three letters or more go through the trigram index, shorter ones are checked on the row.
    QStringList indexed;
    QStringList shortWords;
    for (const QString &w : words) {
        if (w.size() >= 3)
            indexed << QLatin1Char('"') + QString(w).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
                           QLatin1Char('"');
        else
            shortWords << w;
    }
    // The index hands its rows over in stock-number order, so the limit stops the walk early;
    // the outer select keeps that order.
    const std::string limit = "LIMIT " + std::to_string(kSearchLimit);
    std::string where = indexed.isEmpty() ? "1" : "STOKARA MATCH ?8";
    for (int i = 0; i < shortWords.size(); ++i)
        where += " AND instr(s.ARAMA, ?" + std::to_string(9 + i) + ") > 0";
    const std::string sql =
        indexed.isEmpty() ? stockQuery(where, false, "", "STOK s", "ORDER BY s.STOKNO " + limit)
                          : stockQuery(where, false, "", "STOKARA JOIN STOK s ON s.STOKNO = STOKARA.rowid",
                                       "ORDER BY STOKARA.rowid " + limit);
    Statement q(ctx.db.handle(), sql);
    bindPricing(q, c, !c.kampanyasiz && u.tipi != 4);
    if (!indexed.isEmpty())
        q.bind(8, indexed.join(QLatin1String(" AND ")));
    for (int i = 0; i < shortWords.size(); ++i)
        q.bind(9 + i, shortWords.at(i));
    return tableResult(q, kStockColumns);
}

Answer YenilerVer2(Ctx &ctx, const CallArgs &a)
{
    const CustomerRow c = customerOrDefault(ctx.db, a.integer(0));
    Statement q(ctx.db.handle(), stockQuery("s.YENI = 1", false, "ORDER BY n.ANAGRUP, n.BARKOD"));
    bindPricing(q, c, !c.kampanyasiz);
    return tableResult(q, kStockColumns);
}

Answer KampanyaliVer2(Ctx &ctx, const CallArgs &a)
{
    const CustomerRow c = customerOrDefault(ctx.db, a.integer(0));
    const bool allowed = !c.kampanyasiz && a.integer(1) != 4;
    Statement q(ctx.db.handle(),
                stockQuery(allowed ? "s.KAMPFIYAT > 0" : "0", true, "ORDER BY n.ANAGRUP, n.BARKOD"));
    bindPricing(q, c, allowed);
    return tableResult(q, kStockColumns);
}

Answer ResimVer5(Ctx &ctx, const CallArgs &a)
{
    Statement q(ctx.db.handle(),
                "SELECT BARKOD, MARKA, ANAGRUP, ADI, RENK FROM STOK WHERE STOKNO = ? AND RESIM = 1");
    q.bind(1, a.integer(0));
    if (!q.step())
        return streamResult({});
    StockPicture p;
    p.code = q.columnString(0);
    p.brand = q.columnString(1);
    p.group = q.columnString(2);
    p.name = q.columnString(3);
    p.colour = q.columnInt(4);
    p.shape = q.columnInt(4) / 6;
    return streamResult(stockPictureJpeg(p));
}

Answer TumSiparislerVer(Ctx &ctx, const CallArgs &a)
{
    Statement q(ctx.db.handle(), std::string(kOrderLineSelect) +
                                     "WHERE l.CARINO = ?1 AND (?2 = 0 OR l.STOKNO = ?2) "
                                     "ORDER BY l.IDNO DESC, l.STOKHAR_NO");
    q.bind(1, a.integer(0)).bind(2, a.integer(1));
    return tableResult(q, kOrderLineColumns);
}

// Basket --------------------------------------------------------------------------------------

Answer SepetVer2(Ctx &ctx, const CallArgs &a)
{
    Statement q(ctx.db.handle(), std::string(kBasketSelect) + "WHERE b.CARINO = ? ORDER BY b.SIRANO");
    q.bind(1, a.integer(0));
    return tableResult(q, kBasketColumns);
}

// Prices come from the catalogue and the customer's discounts; sales staff may give their own
// unit price and rates. A stock already in the basket gets the quantity added to its line.
Answer SepetEkle2(Ctx &ctx, const CallArgs &a)
{
    const TSonucBilgisi s = a.session(0);
    const int carino = a.integer(1);
    const int stokno = a.integer(2);
    const double miktar = a.number(5);
    const double fiyat = a.number(7);
    const int k = a.integer(10);
    const std::array<double, 4> given{a.number(8), a.number(11), a.number(12), a.number(13)};
    if (!(miktar > 0))
        return json::array{0};
    const std::optional<UserRow> u = findUser(ctx.db, s.Sirano());
    const std::optional<CustomerRow> c = findCustomer(ctx.db, carino);
    if (!u || !c || !mayActFor(*u, *c))
        return json::array{0};
    // The write lock comes first: a read left open would make the later upgrade fail at once.
    WriteTransaction t(ctx.db);
    Statement st(ctx.db.handle(), "SELECT LISTEFIYAT, KAMPFIYAT, KDV FROM STOK WHERE STOKNO = ?");
    st.bind(1, stokno);
    if (!st.step())
        return json::array{0};
    const double liste = st.columnDouble(0);
    const double kamp = st.columnDouble(1);
    Line l;
    l.kdv = st.columnDouble(2);
    l.miktar = miktar;
    if (k > 0 && kamp > 0 && !c->kampanyasiz && u->tipi != 4) {
        l.kampanyali = true;
        l.birim = liste;
        l.net = kamp;
    } else {
        l.birim = u->isStaff() && fiyat > 0 ? fiyat : liste;
        l.ind = u->isStaff() ? given : c->isk;
        for (double &r : l.ind)
            r = qBound(0.0, r, 100.0);
    }
    Statement existing(ctx.db.handle(), "SELECT SIRANO, MIKTAR FROM SEPET WHERE CARINO = ? AND STOKNO = ?");
    existing.bind(1, carino).bind(2, stokno);
    if (existing.step()) {
        const int sirano = existing.columnInt(0);
        l.miktar += existing.columnDouble(1);
        l.compute();
        updateBasketLine(ctx.db, sirano, l, *u);
    } else {
        l.compute();
        Statement q(
            ctx.db.handle(),
            "INSERT INTO SEPET (CARINO, STOKNO, MIKTAR, BIRIMFIYAT, INDIRIMORANI1, INDIRIMORANI2, "
            "INDIRIMORANI3, INDIRIMORANI4, KAMPANYALI, NETBIRIMFIYAT, TUTAR, INDIRIMTUTAR, NETTUTAR, KDV, "
            "VERGITUTARI, INDIRIMYAZI, SEC, TARIH, SAAT, VERENIDNO, VEREN) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?, ?, ?)");
        q.bind(1, carino).bind(2, stokno).bind(3, l.miktar).bind(4, l.birim);
        for (int i = 0; i < 4; ++i)
            q.bind(5 + i, l.ind[std::size_t(i)]);
        q.bind(9, l.kampanyali ? 1 : 0).bind(10, l.net).bind(11, l.tutar).bind(12, l.indirimTutar);
        q.bind(13, l.netTutar).bind(14, l.kdv).bind(15, l.vergi).bind(16, l.indirimYazi);
        q.bind(17, nowDate()).bind(18, nowTime()).bind(19, u->sirano).bind(20, u->adi);
        q.exec();
    }
    t.commit();
    return json::array{1};
}

Answer SepetGuncelle2(Ctx &ctx, const CallArgs &a)
{
    const TSonucBilgisi s = a.session(0);
    const int carino = a.integer(1);
    const double miktar = a.number(5);
    const double fiyat = a.number(7);
    const int sepetSirano = a.integer(10);
    const std::array<double, 4> given{a.number(8), a.number(11), a.number(12), a.number(13)};
    if (!(miktar > 0))
        return json::array{0};
    const std::optional<UserRow> u = findUser(ctx.db, s.Sirano());
    const std::optional<CustomerRow> c = findCustomer(ctx.db, carino);
    if (!u || !c || !mayActFor(*u, *c))
        return json::array{0};
    WriteTransaction t(ctx.db);
    std::optional<BasketLine> b = findBasketLine(ctx.db, sepetSirano);
    if (!b || b->carino != carino)
        return json::array{0};
    Line &l = b->line;
    l.miktar = miktar;
    if (!l.kampanyali && u->isStaff()) {
        if (fiyat > 0)
            l.birim = fiyat;
        l.ind = given;
        for (double &r : l.ind)
            r = qBound(0.0, r, 100.0);
    }
    l.compute();
    updateBasketLine(ctx.db, b->sirano, l, *u);
    t.commit();
    return json::array{1};
}

Answer SepetSatirSil(Ctx &ctx, const CallArgs &a)
{
    const TSonucBilgisi s = a.session(0);
    const std::optional<UserRow> u = findUser(ctx.db, s.Sirano());
    const std::optional<CustomerRow> c = findCustomer(ctx.db, s.CARINO());
    if (!u || !c || !mayActFor(*u, *c))
        return json::array{0};
    WriteTransaction t(ctx.db);
    Statement q(ctx.db.handle(), "DELETE FROM SEPET WHERE SIRANO = ? AND CARINO = ?");
    q.bind(1, a.integer(1)).bind(2, c->carino).exec();
    const int removed = ctx.db.changes();
    if (removed > 0) {
        Statement log(ctx.db.handle(),
                      "INSERT INTO SEPETSILINEN (CARINO, SIRANO, ACIKLAMA, VERENIDNO, TARIH) "
                      "VALUES (?, ?, ?, ?, ?)");
        log.bind(1, c->carino).bind(2, a.integer(1)).bind(3, a.text(2)).bind(4, u->sirano).bind(5, nowDate());
        log.exec();
    }
    t.commit();
    return json::array{removed > 0 ? 1 : 0};
}

Answer SepetHepsiniSil(Ctx &ctx, const CallArgs &a)
{
    const TSonucBilgisi s = a.session(0);
    const std::optional<UserRow> u = findUser(ctx.db, s.Sirano());
    const std::optional<CustomerRow> c = findCustomer(ctx.db, s.CARINO());
    if (!u || !c || !mayActFor(*u, *c))
        return json::array{0};
    WriteTransaction t(ctx.db);
    Statement q(ctx.db.handle(), "DELETE FROM SEPET WHERE CARINO = ?");
    q.bind(1, c->carino).exec();
    t.commit();
    return json::array{1};
}

Answer SepetSecimGuncelle(Ctx &ctx, const CallArgs &a)
{
    Statement q(ctx.db.handle(), "UPDATE SEPET SET SEC = ? WHERE SIRANO = ?");
    q.bind(1, a.integer(1) != 0 ? 1 : 0).bind(2, a.integer(0)).exec();
    return json::array{};
}

Answer SiparisKaydet(Ctx &ctx, const CallArgs &a)
{
    const TSonucBilgisi s = a.session(0);
    const int carino = a.integer(1);
    const int teslim = a.integer(2);
    const int kargo = a.integer(3);
    const QString aciklama = a.text(4);
    const std::optional<UserRow> u = findUser(ctx.db, s.Sirano());
    const std::optional<CustomerRow> c = findCustomer(ctx.db, carino);
    if (!u || !c || !mayActFor(*u, *c))
        return json::array{false};
    WriteTransaction t(ctx.db);
    Statement codes(ctx.db.handle(), "SELECT (SELECT COUNT(*) FROM TESLIM WHERE TESLIMID = ?), "
                                     "(SELECT COUNT(*) FROM KARGO WHERE KARGOID = ?), "
                                     "(SELECT COUNT(*) FROM SEPET WHERE CARINO = ? AND SEC = 1)");
    codes.bind(1, teslim).bind(2, kargo).bind(3, carino);
    codes.step();
    if (codes.columnInt(0) == 0 || codes.columnInt(1) == 0 || codes.columnInt(2) == 0)
        return json::array{false};
    Statement order(ctx.db.handle(), "INSERT INTO SIPARIS (CARINO, TARIH, SAAT, VERENIDNO, VEREN, TESLIMID, "
                                     "KARGOID, DURUMKODU, VERENINNOTU) VALUES (?, ?, ?, ?, ?, ?, ?, 2, ?)");
    order.bind(1, carino).bind(2, nowDate()).bind(3, nowTime()).bind(4, u->sirano).bind(5, u->adi);
    order.bind(6, teslim).bind(7, kargo).bind(8, aciklama).exec();
    const std::int64_t idno = ctx.db.lastInsertId();
    Statement lines(
        ctx.db.handle(),
        "INSERT INTO SIPARISSATIR (IDNO, SIRANO, CARINO, STOKNO, MIKTAR, BIRIMFIYAT, ILKFIYAT, "
        "INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3, INDIRIMORANI4, KAMPANYALI, NETBIRIMFIYAT, "
        "TUTAR, INDIRIMTUTAR, NETTUTAR, KDV, VERGITUTARI, INDIRIMYAZI, TESLIMEDILEN, KALAN, TARIH, "
        "SAAT, VERENIDNO, VEREN, ACIKLAMA) "
        "SELECT ?, SIRANO, CARINO, STOKNO, MIKTAR, BIRIMFIYAT, BIRIMFIYAT, INDIRIMORANI1, "
        "INDIRIMORANI2, INDIRIMORANI3, INDIRIMORANI4, KAMPANYALI, NETBIRIMFIYAT, TUTAR, INDIRIMTUTAR, "
        "NETTUTAR, KDV, VERGITUTARI, INDIRIMYAZI, 0, MIKTAR, TARIH, SAAT, VERENIDNO, VEREN, ACIKLAMA "
        "FROM SEPET WHERE CARINO = ? AND SEC = 1 ORDER BY SIRANO");
    lines.bind(1, idno).bind(2, carino).exec();
    Statement stock(ctx.db.handle(),
                    "UPDATE STOK SET ALINANSIPARIS = ALINANSIPARIS + (SELECT SUM(b.MIKTAR) "
                    "FROM SEPET b WHERE b.STOKNO = STOK.STOKNO AND b.CARINO = ?1 AND b.SEC = 1) "
                    "WHERE STOKNO IN (SELECT STOKNO FROM SEPET WHERE CARINO = ?1 AND SEC = 1)");
    stock.bind(1, carino).exec();
    Statement clear(ctx.db.handle(), "DELETE FROM SEPET WHERE CARINO = ? AND SEC = 1");
    clear.bind(1, carino).exec();
    t.commit();
    return json::array{true};
}

// Orders, balances, statement -----------------------------------------------------------------

const std::vector<ColumnSpec> kOrderColumns = {
    {"CARINO", DbxInt32},
    {"IDNO", DbxInt32},
    {"TARIH", DbxDate},
    {"KUR", DbxWideString},
    {"KURTL", DbxDouble},
    {"VERENIDNO", DbxInt32},
    {"KARGO", DbxWideString},
    {"TESLIM", DbxWideString},
    {"VEREN", DbxWideString},
    {"CARIKOD", DbxWideString},
    {"CARIADI", DbxWideString},
    {"VERGI", DbxDouble},
    {"NETTUTAR", DbxDouble},
    {"TUTAR", DbxDouble},
    {"DURUM", DbxWideString},
    {"KARGOADI", DbxWideString},
    {"VERENINNOTU", DbxWideString},
    {"ALANNOTU", DbxWideString},
};

std::string orderQuery(const std::string &where)
{
    return std::string(
               "SELECT o.CARINO, o.IDNO, o.TARIH, o.KUR, o.KURTL, o.VERENIDNO, k.CINS, t.ADI, o.VEREN, "
               "c.CARIKOD, c.CARIADI, ROUND(COALESCE(SUM(l.VERGITUTARI), 0), 2), "
               "ROUND(COALESCE(SUM(l.NETTUTAR), 0), 2), "
               "ROUND(COALESCE(SUM(l.NETTUTAR), 0) + COALESCE(SUM(l.VERGITUTARI), 0), 2), ") +
           kDurumText +
           ", k.ADI, o.VERENINNOTU, o.ALANNOTU FROM SIPARIS o JOIN CARI c ON c.CARINO = o.CARINO "
           "JOIN TESLIM t ON t.TESLIMID = o.TESLIMID JOIN KARGO k ON k.KARGOID = o.KARGOID "
           "LEFT JOIN SIPARISSATIR l ON l.IDNO = o.IDNO WHERE " +
           where + " GROUP BY o.IDNO ORDER BY o.IDNO DESC";
}

Answer OncekiSiparisler(Ctx &ctx, const CallArgs &a)
{
    Statement q(ctx.db.handle(), orderQuery("o.CARINO = ?"));
    q.bind(1, a.integer(0));
    return tableResult(q, kOrderColumns);
}

Answer SiparisAyrintisi2(Ctx &ctx, const CallArgs &a)
{
    Statement q(ctx.db.handle(), std::string(kOrderLineSelect) +
                                     "WHERE l.IDNO = ?2 AND (?1 = 0 OR l.CARINO = ?1) ORDER BY l.STOKHAR_NO");
    q.bind(1, a.integer(0)).bind(2, a.integer(1));
    return tableResult(q, kOrderLineColumns);
}

Answer SiparisAytintisiDip(Ctx &ctx, const CallArgs &a)
{
    Statement q(ctx.db.handle(),
                "SELECT o.VERENINNOTU, o.DURUMKODU, o.VEREN, k.ADI, o.ALANNOTU, t.ADI, k.CINS, "
                "o.SATICINOTU FROM SIPARIS o JOIN TESLIM t ON t.TESLIMID = o.TESLIMID "
                "JOIN KARGO k ON k.KARGOID = o.KARGOID WHERE o.IDNO = ?2 "
                "AND (?1 = 0 OR o.CARINO = ?1)");
    q.bind(1, a.integer(0)).bind(2, a.integer(1));
    if (!q.step())
        return json::array{nullptr};
    TSiparisDipAyrinti d;
    d.setSizinMesaj(q.columnString(0));
    d.setDurumu(durumText(q.columnInt(1)));
    d.setVeren(q.columnString(2));
    d.setKargo(q.columnString(3));
    d.setBizimMesaj(q.columnString(4));
    d.setTeslimCinsi(q.columnString(5));
    d.setKargoCinsi(q.columnString(6));
    d.setSaticiNotu(q.columnString(7));
    return json::array{TJSONMarshal::marshal(d)};
}

Answer BakiyelerVer2(Ctx &ctx, const CallArgs &a)
{
    Statement q(ctx.db.handle(), std::string(kOrderLineSelect) +
                                     "WHERE l.CARINO = ? AND l.KALAN > 0 ORDER BY l.IDNO, l.STOKHAR_NO");
    q.bind(1, a.integer(0));
    return tableResult(q, kOrderLineColumns);
}

struct OrderLineRef
{
    Line line;
    double teslimEdilen = 0;
};

// The open order line siparissirano of the session's customer, or nothing.
std::optional<OrderLineRef> openOrderLine(Connection &db, int carino, int stokharNo)
{
    Statement q(db.handle(), "SELECT MIKTAR, BIRIMFIYAT, INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3, "
                             "INDIRIMORANI4, KAMPANYALI, NETBIRIMFIYAT, KDV, TESLIMEDILEN FROM SIPARISSATIR "
                             "WHERE STOKHAR_NO = ? AND CARINO = ? AND KALAN > 0");
    q.bind(1, stokharNo).bind(2, carino);
    if (!q.step())
        return std::nullopt;
    OrderLineRef r;
    r.line.miktar = q.columnDouble(0);
    r.line.birim = q.columnDouble(1);
    for (int i = 0; i < 4; ++i)
        r.line.ind[std::size_t(i)] = q.columnDouble(2 + i);
    r.line.kampanyali = q.columnInt(6) != 0;
    r.line.net = q.columnDouble(7);
    r.line.kdv = q.columnDouble(8);
    r.teslimEdilen = q.columnDouble(9);
    return r;
}

void writeOrderLine(Connection &db, int stokharNo, const Line &l, double kalan)
{
    Statement q(db.handle(), "UPDATE SIPARISSATIR SET MIKTAR = ?, BIRIMFIYAT = ?, INDIRIMORANI1 = ?, "
                             "INDIRIMORANI2 = ?, INDIRIMORANI3 = ?, INDIRIMORANI4 = ?, KAMPANYALI = ?, "
                             "NETBIRIMFIYAT = ?, TUTAR = ?, INDIRIMTUTAR = ?, NETTUTAR = ?, VERGITUTARI = ?, "
                             "INDIRIMYAZI = ?, KALAN = ? WHERE STOKHAR_NO = ?");
    q.bind(1, l.miktar).bind(2, l.birim);
    for (int i = 0; i < 4; ++i)
        q.bind(3 + i, l.ind[std::size_t(i)]);
    q.bind(7, l.kampanyali ? 1 : 0).bind(8, l.net).bind(9, l.tutar).bind(10, l.indirimTutar);
    q.bind(11, l.netTutar).bind(12, l.vergi).bind(13, l.indirimYazi).bind(14, kalan).bind(15, stokharNo);
    q.exec();
}

std::optional<std::pair<UserRow, CustomerRow>> balanceActor(Connection &db, const TSonucBilgisi &s)
{
    const std::optional<UserRow> u = findUser(db, s.Sirano());
    const std::optional<CustomerRow> c = findCustomer(db, s.CARINO());
    if (!u || !c || !mayActFor(*u, *c))
        return std::nullopt;
    return std::make_pair(*u, *c);
}

// Removing a balance cancels what is still open; what was delivered stays on the line.
Answer BakiyeDuzenle(Ctx &ctx, const CallArgs &a)
{
    const auto actor = balanceActor(ctx.db, a.session(0));
    if (!actor)
        return json::array{0};
    WriteTransaction t(ctx.db);
    std::optional<OrderLineRef> r = openOrderLine(ctx.db, actor->second.carino, a.integer(3));
    if (!r)
        return json::array{0};
    r->line.miktar = r->teslimEdilen;
    r->line.compute();
    writeOrderLine(ctx.db, a.integer(3), r->line, 0);
    t.commit();
    return json::array{1};
}

Answer BakiyeDegistir(Ctx &ctx, const CallArgs &a)
{
    const double yeni = a.number(5);
    if (!(yeni > 0))
        return json::array{0};
    const auto actor = balanceActor(ctx.db, a.session(0));
    if (!actor)
        return json::array{0};
    WriteTransaction t(ctx.db);
    std::optional<OrderLineRef> r = openOrderLine(ctx.db, actor->second.carino, a.integer(3));
    if (!r)
        return json::array{0};
    r->line.miktar = r->teslimEdilen + yeni;
    r->line.compute();
    writeOrderLine(ctx.db, a.integer(3), r->line, yeni);
    t.commit();
    return json::array{1};
}

// Only sales staff with price rights change prices.
Answer BakiyeFiyatDegistir(Ctx &ctx, const CallArgs &a)
{
    const double fiyat = a.number(7);
    const double ind = a.number(8);
    const auto actor = balanceActor(ctx.db, a.session(0));
    if (!actor || actor->first.tipi != 2 || !(fiyat > 0) || ind < 0 || ind > 100)
        return json::array{0};
    WriteTransaction t(ctx.db);
    Statement kalan(ctx.db.handle(), "SELECT KALAN FROM SIPARISSATIR WHERE STOKHAR_NO = ?");
    kalan.bind(1, a.integer(3));
    std::optional<OrderLineRef> r = openOrderLine(ctx.db, actor->second.carino, a.integer(3));
    if (!r || !kalan.step())
        return json::array{0};
    r->line.kampanyali = false;
    r->line.birim = fiyat;
    r->line.ind = {ind, 0, 0, 0};
    r->line.compute();
    writeOrderLine(ctx.db, a.integer(3), r->line, kalan.columnDouble(0));
    t.commit();
    return json::array{1};
}

Answer CariEkstreVer(Ctx &ctx, const CallArgs &a)
{
    static const std::vector<ColumnSpec> columns = {
        {"CARINO", DbxInt32}, {"TARIH", DbxDate},    {"TURADI", DbxWideString},   {"EVRAK", DbxWideString},
        {"BORC", DbxDouble},  {"ALACAK", DbxDouble}, {"KUR", DbxWideString},      {"BAKIYE", DbxDouble},
        {"D", DbxWideString}, {"IDNO", DbxInt32},    {"ACIKLAMA", DbxWideString},
    };
    Statement q(ctx.db.handle(),
                "SELECT CARINO, TARIH, TURADI, EVRAK, BORC, ALACAK, KUR, ROUND(B, 2), "
                "CASE WHEN B > 0.005 THEN 'B' WHEN B < -0.005 THEN 'A' ELSE ' ' END, IDNO, ACIKLAMA FROM "
                "(SELECT e.*, SUM(BORC - ALACAK) OVER (ORDER BY TARIH, IDNO) AS B FROM EKSTRE e "
                "WHERE CARINO = ?) ORDER BY TARIH, IDNO");
    q.bind(1, a.integer(0));
    return tableResult(q, columns);
}

Answer FaturaGetir(Ctx &ctx, const CallArgs &a)
{
    static const std::vector<ColumnSpec> columns = {
        {"OEMNO", DbxWideString},
        {"STOKADI", DbxWideString},
        {"FINISHKOD", DbxWideString},
        {"MARKA", DbxWideString},
        {"MODEL", DbxWideString},
        {"ANAGRUP", DbxWideString},
        {"BIRIM", DbxWideString},
        {"STOKHAR_MIKTAR", DbxDouble},
        {"STOKHAR_TLBIRIMFIYATI", DbxDouble},
        {"STOKHAR_TLTUTAR", DbxDouble},
        {"STOKHAR_INDIRIM1", DbxDouble},
        {"STOKHAR_INDIRIM2", DbxDouble},
        {"KDV", DbxDouble},
        {"STOKHAR_TOPLAMINDIRIM", DbxDouble},
        {"STOKHAR_TOPLAMMASRAF", DbxDouble},
        {"STOKHAR_NETTLBIRIMFIYATI", DbxDouble},
        {"STOKHAR_NETTLTUTAR", DbxDouble},
        {"OZELKOD", DbxWideString},
        {"BARKOD", DbxWideString},
        {"STOKHAR_HAREKETTARIHI", DbxDate},
        {"STOKHAR_HAREKETTIPI2", DbxWideString},
        {"EVRAKNO", DbxWideString},
        {"STOKHAR_TLVERGI", DbxDouble},
        {"IRSALIYEEVRAKNO", DbxWideString},
        {"STOKHAR_IRSTARIHI", DbxDate},
        {"SATIRACIKLMASI", DbxWideString},
        {"STOKHAR_SAAT", DbxWideString},
        {"STOKHAR_VADE", DbxInt32},
        {"SIPARISEVRAKNO", DbxWideString},
        {"SIPARISTARIHI", DbxDate},
        {"IRSALIYETIP2", DbxWideString},
        {"STOKHAR_INDIRIM3", DbxDouble},
        {"STOKHAR_INDIRIM4", DbxDouble},
        {"STOKHAR_INDIRIM5", DbxDouble},
        {"STOKHAR_INDIRIM6", DbxDouble},
        {"STOKHAR_INDIRIM7", DbxDouble},
        {"STOKHAR_INDIRIM8", DbxDouble},
        {"STOKHAR_DOVIZBIRIMFIYATI", DbxDouble},
        {"STOKHAR_DOVIZVERGI", DbxDouble},
        {"STOKHAR_DOVIZTUTAR", DbxDouble},
        {"STOKHAR_PARTI", DbxWideString},
        {"STOKHAR_BEDEN", DbxWideString},
        {"STOKHAR_RENK", DbxWideString},
        {"STOKHAR_MASRAF1", DbxDouble},
        {"STOKHAR_MASRAF2", DbxDouble},
        {"STOKHAR_DOVIZTOPLAMINDIRIM", DbxDouble},
        {"STOKHAR_DOVIZTOPLAMMASRAF", DbxDouble},
        {"STOKHAR_NETDOVIZBIRIMFIYATI", DbxDouble},
        {"STOKHAR_NETDOVIZTUTAR", DbxDouble},
        {"STOKHAR_KURTL", DbxDouble},
        {"SATICIADI", DbxWideString},
        {"SIPARISTIPI", DbxWideString},
        {"IRSALIYETIPINO", DbxInt32},
        {"STOKCARIKOD", DbxWideString},
        {"SUBE_NO", DbxInt32},
        {"STOKHAR_CARINO", DbxInt32},
        {"KUR_KURSIMGE", DbxWideString},
        {"URETICIKODU", DbxWideString},
        {"DPKOD", DbxWideString},
        {"ENADI", DbxWideString},
        {"PKOD", DbxWideString},
        {"BELGENO", DbxWideString},
        {"IDNO", DbxInt32},
    };
    Statement q(
        ctx.db.handle(),
        "SELECT s.OEMNO, s.ADI, s.FINISHKOD, s.MARKA, s.MODEL, s.ANAGRUP, s.BIRIM, f.MIKTAR, f.BIRIMFIYAT, "
        "f.TUTAR, f.INDIRIM1, f.INDIRIM2, f.KDV, f.TOPLAMINDIRIM, 0.0, f.NETBIRIMFIYAT, f.NETTUTAR, "
        "s.OZELKOD, s.BARKOD, e.TARIH, e.TURADI, e.EVRAK, f.VERGI, f.IRSALIYENO, e.TARIH, '', '10:00:00', "
        "e.VADE, CAST(f.SIPARISIDNO AS TEXT), o.TARIH, 'Toptan Satış İrsaliyesi', 0.0, 0.0, 0.0, 0.0, "
        "0.0, 0.0, 0.0, 0.0, 0.0, '', '', '', 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, sa.ADI, 'Bayi', 1, "
        "c.CARIKOD, 1, e.CARINO, 'TL', s.URETICIKODU, s.DPKOD, s.DIGERADI, s.PKOD, e.EVRAK, e.IDNO "
        "FROM FATURASATIR f JOIN EKSTRE e ON e.IDNO = f.IDNO JOIN STOK s ON s.STOKNO = f.STOKNO "
        "JOIN CARI c ON c.CARINO = e.CARINO LEFT JOIN SATICI sa ON sa.SATICINO = e.SATICINO "
        "LEFT JOIN SIPARIS o ON o.IDNO = f.SIPARISIDNO WHERE f.IDNO = ?2 AND (?1 = 0 OR e.CARINO = ?1) "
        "ORDER BY f.NO");
    q.bind(1, a.integer(0)).bind(2, a.integer(1));
    return tableResult(q, columns);
}

Answer FaturaAltGetir(Ctx &ctx, const CallArgs &a)
{
    static const std::vector<ColumnSpec> columns = {
        {"TOPLAM", DbxDouble},   {"TOPLAMINDIRIM", DbxDouble}, {"MATRAH", DbxDouble},
        {"KDVTUTAR", DbxDouble}, {"KDVDAHIL", DbxDouble},
    };
    Statement q(ctx.db.handle(),
                "SELECT ROUND(SUM(TUTAR), 2), ROUND(SUM(TOPLAMINDIRIM), 2), ROUND(SUM(NETTUTAR), 2), "
                "ROUND(SUM(VERGI), 2), ROUND(SUM(NETTUTAR) + SUM(VERGI), 2) FROM FATURASATIR "
                "WHERE IDNO = ? HAVING COUNT(*) > 0");
    q.bind(1, a.integer(0));
    return tableResult(q, columns);
}

Answer Tahsilat(Ctx &ctx, const CallArgs &a)
{
    static const std::vector<ColumnSpec> columns = {
        {"Tarih", DbxDate},         {"Türü", DbxWideString}, {"Cins", DbxWideString},
        {"Vade", DbxDate},          {"Tutar", DbxDouble},    {"Açıklama", DbxWideString},
        {"EvrakNo", DbxWideString}, {"Ref", DbxWideString},  {"Saat", DbxWideString},
        {"Kur", DbxWideString},     {"KurTL", DbxDouble},    {"Döviz Tutar", DbxDouble},
    };
    Statement q(ctx.db.handle(),
                "SELECT TARIH, TURU, CINS, VADE, TUTAR, ACIKLAMA, EVRAKNO, REF, SAAT, 'TL', 1.0, "
                "0.0 FROM TAHSILAT WHERE IDNO = ? ORDER BY NO");
    q.bind(1, a.integer(0));
    return tableResult(q, columns);
}

Answer SanalposSiranoVer(Ctx &ctx, const CallArgs &a)
{
    Statement q(ctx.db.handle(), "SELECT SIRANO FROM SANALPOS WHERE IDNO = ?");
    q.bind(1, a.integer(0));
    return json::array{q.step() ? q.columnInt(0) : 0};
}

Answer SAnalPosPdfVer(Ctx &ctx, const CallArgs &a)
{
    Statement q(ctx.db.handle(),
                "SELECT p.SIRANO, p.KARTSAHIBI, p.KARTNO, p.TUTAR, p.TAKSIT, p.TARIH, p.SAAT, "
                "p.ONAYKODU, c.CARIKOD, c.CARIADI, e.EVRAK FROM SANALPOS p "
                "JOIN EKSTRE e ON e.IDNO = p.IDNO JOIN CARI c ON c.CARINO = e.CARINO "
                "WHERE p.SIRANO = ?");
    q.bind(1, a.integer(0));
    if (!q.step())
        return streamResult({});
    PdfDocument doc;
    doc.title = QStringLiteral("Sanal POS Ödeme Dekontu");
    doc.lines << QStringLiteral("Ravla Filtre San. ve Tic. A.Ş.")
              << QStringLiteral("İşlem No: %1    Belge: %2").arg(q.columnInt(0)).arg(q.columnString(10))
              << QStringLiteral("Cari: %1 - %2").arg(q.columnString(8), q.columnString(9))
              << QStringLiteral("Tarih: %1 %2").arg(q.columnString(5), q.columnString(6))
              << QStringLiteral("Kart Sahibi: %1").arg(q.columnString(1))
              << QStringLiteral("Kart No: %1").arg(q.columnString(2))
              << QStringLiteral("Taksit: %1").arg(q.columnInt(4))
              << QStringLiteral("Onay Kodu: %1").arg(q.columnString(7))
              << QStringLiteral("Tutar: %1 TL").arg(amountText(q.columnDouble(3)));
    return streamResult(makePdf(doc));
}

// Reports ----------------------------------------------------------------------------------

Answer RaporGetir(Ctx &ctx, const CallArgs &a)
{
    const int raporno = a.integer(0);
    const int idno = a.integer(2);
    const int carino = a.integer(3);
    const QString satici = a.text(4);
    const QDate d1 = dateFromDelphi(a.number(5));
    const QDate d2 = dateFromDelphi(a.number(6));
    const std::optional<UserRow> u = findUser(ctx.db, idno);
    if (!u || u->aktif != 1)
        return streamResult({});
    PdfDocument doc;
    if (raporno == 6 && carino > 0) {
        const std::optional<CustomerRow> c = findCustomer(ctx.db, carino);
        if (!c || !mayActFor(*u, *c))
            return streamResult({});
        doc.title = QStringLiteral("Cari Özeti");
        doc.lines << QStringLiteral("%1 - %2").arg(c->kod, c->adi) << QStringLiteral("Satıcı: %1").arg(satici)
                  << QStringLiteral("Tarih: %1").arg(d1.toString(QStringLiteral("dd.MM.yyyy")))
                  << QStringLiteral("Bakiye: %1 TL").arg(amountText(balanceOf(ctx.db, carino)))
                  << QStringLiteral("Vadesi geçmiş: %1 TL")
                         .arg(amountText(qMax(0.0, overdueOf(ctx.db, carino, c->vade, d1))));
        doc.header << QStringLiteral("Tarih") << QStringLiteral("Tür") << QStringLiteral("Evrak")
                   << QStringLiteral("Borç") << QStringLiteral("Alacak");
        doc.rightAligned << 3 << 4;
        Statement q(ctx.db.handle(), "SELECT TARIH, TURADI, EVRAK, BORC, ALACAK FROM EKSTRE WHERE CARINO = ? "
                                     "AND TARIH <= ? ORDER BY TARIH, IDNO");
        q.bind(1, carino).bind(2, dateText(d1));
        while (q.step())
            doc.rows << QStringList{q.columnString(0), q.columnString(1), q.columnString(2),
                                    amountText(q.columnDouble(3)), amountText(q.columnDouble(4))};
    } else if (raporno == 6) {
        doc.title = QStringLiteral("Cari Toplu Alacak Vadeleri");
        doc.lines << QStringLiteral("Tarih: %1").arg(d1.toString(QStringLiteral("dd.MM.yyyy")))
                  << QStringLiteral("Satıcı: %1").arg(satici);
        doc.header << QStringLiteral("Cari Kod") << QStringLiteral("Cari Adı") << QStringLiteral("Bakiye")
                   << QStringLiteral("Vadesi Geçen");
        doc.rightAligned << 2 << 3;
        Statement q(ctx.db.handle(),
                    std::string("SELECT c.CARINO, c.CARIKOD, c.CARIADI, c.VADE FROM CARI c WHERE ") +
                        kVisible + " ORDER BY c.CARIKOD");
        bindVisibility(q, *u);
        while (q.step()) {
            const int no = q.columnInt(0);
            doc.rows << QStringList{q.columnString(1), q.columnString(2), amountText(balanceOf(ctx.db, no)),
                                    amountText(qMax(0.0, overdueOf(ctx.db, no, q.columnInt(3), d1)))};
        }
    } else if (raporno == 7) {
        const std::optional<CustomerRow> c = findCustomer(ctx.db, carino);
        if (!c || !mayActFor(*u, *c))
            return streamResult({});
        doc.title = QStringLiteral("Cari Alış Satış Tablosu");
        doc.lines << QStringLiteral("%1 - %2").arg(c->kod, c->adi) << QStringLiteral("Satıcı: %1").arg(satici)
                  << QStringLiteral("%1 - %2").arg(d1.toString(QStringLiteral("dd.MM.yyyy")),
                                                   d2.toString(QStringLiteral("dd.MM.yyyy")));
        doc.header << QStringLiteral("Ay") << QStringLiteral("Satış") << QStringLiteral("Tahsilat");
        doc.rightAligned << 1 << 2;
        Statement q(ctx.db.handle(), "SELECT substr(TARIH, 1, 7), SUM(BORC), SUM(ALACAK) FROM EKSTRE "
                                     "WHERE CARINO = ? AND TARIH BETWEEN ? AND ? GROUP BY 1 ORDER BY 1");
        q.bind(1, carino).bind(2, dateText(d1)).bind(3, dateText(d2));
        while (q.step())
            doc.rows << QStringList{q.columnString(0), amountText(q.columnDouble(1)),
                                    amountText(q.columnDouble(2))};
    } else {
        return streamResult({});
    }
    return streamResult(makePdf(doc));
}

Answer RaporAlinanSiparisler(Ctx &ctx, const CallArgs &a)
{
    static const std::vector<ColumnSpec> columns = {
        {"SATICIADI", DbxWideString}, {"IDNO", DbxDouble},         {"CARINO", DbxInt32},
        {"TARIH", DbxDate},           {"KUR", DbxWideString},      {"KURTL", DbxDouble},
        {"VERENIDNO", DbxInt32},      {"KARGO", DbxWideString},    {"TESLIM", DbxWideString},
        {"VEREN", DbxWideString},     {"CARIKOD", DbxWideString},  {"CARIADI", DbxWideString},
        {"DURUM", DbxWideString},     {"KARGOADI", DbxWideString}, {"VERGI", DbxDouble},
        {"NETTUTAR", DbxDouble},      {"TUTAR", DbxDouble},
    };
    const UserRow u = sessionUser(ctx.db, a.session(0));
    Statement q(
        ctx.db.handle(),
        std::string("SELECT sa.ADI, CAST(o.IDNO AS REAL), o.CARINO, o.TARIH, o.KUR, o.KURTL, o.VERENIDNO, "
                    "k.CINS, t.ADI, o.VEREN, c.CARIKOD, c.CARIADI, ") +
            kDurumText +
            ", k.ADI, ROUND(COALESCE(SUM(l.VERGITUTARI), 0), 2), ROUND(COALESCE(SUM(l.NETTUTAR), 0), 2), "
            "ROUND(COALESCE(SUM(l.NETTUTAR), 0) + COALESCE(SUM(l.VERGITUTARI), 0), 2) "
            "FROM SIPARIS o JOIN CARI c ON c.CARINO = o.CARINO JOIN SATICI sa ON sa.SATICINO = c.SATICINO "
            "JOIN TESLIM t ON t.TESLIMID = o.TESLIMID JOIN KARGO k ON k.KARGOID = o.KARGOID "
            "LEFT JOIN SIPARISSATIR l ON l.IDNO = o.IDNO WHERE " +
            kVisible + " AND o.TARIH BETWEEN ?4 AND ?5 GROUP BY o.IDNO ORDER BY sa.ADI, o.IDNO");
    bindVisibility(q, u);
    q.bind(4, dateText(dateFromDelphi(a.number(1)))).bind(5, dateText(dateFromDelphi(a.number(2))));
    return tableResult(q, columns);
}

Answer RaporEnCokSatilanStoklar(Ctx &ctx, const CallArgs &a)
{
    static const std::vector<ColumnSpec> columns = {
        {"BARKOD", DbxWideString},    {"KOD", DbxWideString}, {"ADI", DbxWideString},
        {"DEPARTMAN", DbxWideString}, {"MIKTAR", DbxDouble},  {"NETTUTAR", DbxDouble},
        {"TLVERGI", DbxDouble},       {"TUTAR", DbxDouble},
    };
    const UserRow u = sessionUser(ctx.db, a.session(0));
    Statement q(ctx.db.handle(),
                std::string("SELECT s.BARKOD, s.URETICIKODU, s.ADI, s.ANAGRUP, SUM(l.MIKTAR), "
                            "ROUND(SUM(l.NETTUTAR), 2), ROUND(SUM(l.VERGITUTARI), 2), "
                            "ROUND(SUM(l.NETTUTAR + l.VERGITUTARI), 2) FROM SIPARISSATIR l "
                            "JOIN SIPARIS o ON o.IDNO = l.IDNO JOIN CARI c ON c.CARINO = o.CARINO "
                            "JOIN STOK s ON s.STOKNO = l.STOKNO WHERE ") +
                    kVisible +
                    " AND o.TARIH BETWEEN ?4 AND ?5 GROUP BY s.STOKNO ORDER BY SUM(l.MIKTAR) DESC, s.BARKOD "
                    "LIMIT 500");
    bindVisibility(q, u);
    q.bind(4, dateText(dateFromDelphi(a.number(1)))).bind(5, dateText(dateFromDelphi(a.number(2))));
    return tableResult(q, columns);
}

// Announcements and notices -----------------------------------------------------------------

Answer AcilisEkranlarVer2(Ctx &ctx, const CallArgs &)
{
    Statement q(ctx.db.handle(),
                "SELECT SIRANO, RESIM, BASLIK, ARAMA FROM DUYURU WHERE REKLAM = 0 ORDER BY SIRA");
    std::vector<TAcilisEkran> items;
    while (q.step())
        items.push_back(announcement(q));
    TAcilisEkranlariki all;
    all.setEkranlar(std::move(items));
    return json::array{TJSONMarshal::marshal(all)};
}

Answer AcilisReklamAdet(Ctx &ctx, const CallArgs &)
{
    Statement q(ctx.db.handle(), "SELECT COUNT(*) FROM DUYURU WHERE REKLAM = 1");
    q.step();
    return json::array{q.columnInt(0)};
}

Answer AcilisREklamVer(Ctx &ctx, const CallArgs &a)
{
    const int sira = a.integer(0);
    if (sira < 0)
        return json::array{nullptr};
    Statement q(ctx.db.handle(), "SELECT SIRANO, RESIM, BASLIK, ARAMA FROM DUYURU WHERE REKLAM = 1 "
                                 "ORDER BY SIRA LIMIT 1 OFFSET ?");
    q.bind(1, sira);
    if (!q.step())
        return json::array{nullptr};
    return json::array{TJSONMarshal::marshal(announcement(q))};
}

Answer BalonGetir(Ctx &ctx, const CallArgs &a)
{
    static const std::vector<ColumnSpec> columns = {
        {"SEPET", DbxInt32},  {"YENI", DbxInt32},    {"KAMPANYA", DbxInt32},
        {"DUYURU", DbxInt32}, {"BAKIYE", DbxDouble},
    };
    const TSonucBilgisi s = a.session(0);
    const UserRow u = sessionUser(ctx.db, s);
    const CustomerRow c = customerOrDefault(ctx.db, s.CARINO());
    Statement q(ctx.db.handle(),
                "SELECT (SELECT COUNT(*) FROM SEPET WHERE CARINO = ?1), "
                "(SELECT COUNT(*) FROM STOK WHERE YENI = 1), "
                "CASE WHEN ?2 THEN (SELECT COUNT(*) FROM STOK WHERE KAMPFIYAT > 0) ELSE 0 END, "
                "(SELECT COUNT(*) FROM DUYURU WHERE REKLAM = 0), "
                "(SELECT CAST(COUNT(*) AS REAL) FROM SIPARISSATIR WHERE CARINO = ?1 AND KALAN > 0)");
    q.bind(1, s.CARINO()).bind(2, !c.kampanyasiz && u.tipi != 4 ? 1 : 0);
    return tableResult(q, columns);
}

Answer KayanYaziGetir(Ctx &ctx, const CallArgs &)
{
    Statement q(ctx.db.handle(), "SELECT DEGER FROM AYAR WHERE ANAHTAR = 'KAYANYAZI'");
    return json::array{q.step() ? jsonString(q.columnString(0)) : json::string()};
}

Answer banner(Ctx &ctx, int no)
{
    return streamResult(blobOrEmpty(ctx.db, "SELECT RESIM FROM BANNER WHERE NO = ?", no));
}

Answer BannerResimVer(Ctx &ctx, const CallArgs &)
{
    return banner(ctx, 1);
}

Answer BannerResimVer2(Ctx &ctx, const CallArgs &)
{
    return banner(ctx, 2);
}

Answer BannerResimVer3(Ctx &ctx, const CallArgs &)
{
    return banner(ctx, 3);
}

// The distributor reads these from the MAIL table; nothing is sent from here.
Answer storeMail(Ctx &ctx, const CallArgs &a, const char *kind, bool withSubject)
{
    WriteTransaction t(ctx.db);
    Statement q(ctx.db.handle(),
                "INSERT INTO MAIL (TUR, IDSI, BASLIK, FIRMAADI, ADRES1, ADRES2, ILCE, SEHIR, "
                "TELEFON, FAX, VD, VN, YETKILI, KULLANICIADI, SIFRE, MAIL, KARGOAMBAR, KONU, "
                "TARIH) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    q.bind(1, kind);
    for (int i = 0; i < 16; ++i)
        q.bind(2 + i, a.text(std::size_t(i)));
    if (withSubject)
        q.bind(18, a.text(16));
    else
        q.bindNull(18);
    q.bind(19, QDateTime::currentDateTime().toString(Qt::ISODate));
    q.exec();
    t.commit();
    return json::array{1};
}

Answer MailGonserCari(Ctx &ctx, const CallArgs &a)
{
    return storeMail(ctx, a, "ISTEK", false);
}

Answer MailGonserCariNormal(Ctx &ctx, const CallArgs &a)
{
    return storeMail(ctx, a, "MAIL", true);
}

Answer EchoString(Ctx &, const CallArgs &a)
{
    return json::array{jsonString(a.text(0))};
}

struct Method
{
    const char *kinds;
    Handler handler;
};

const std::map<std::string, Method> &methods()
{
    static const std::map<std::string, Method> table = {
        {"BuyukGetir", {"S", BuyukGetir}},
        {"MobilCariBilgisiGetir", {"IS", MobilCariBilgisiGetir}},
        {"CariAra", {"OS", CariAra}},
        {"SepetSayisi", {"O", SepetSayisi}},
        {"TusSonuclariVer", {"O", TusSonuclariVer}},
        {"CariSepetVer", {"OI", CariSepetVer}},
        {"CariVadeGunGecmismiBul", {"I", CariVadeGunGecmismiBul}},
        {"StokAraGetir", {"SO", StokAraGetir}},
        {"YenilerVer2", {"I", YenilerVer2}},
        {"KampanyaliVer2", {"II", KampanyaliVer2}},
        {"ResimVer5", {"I", ResimVer5}},
        {"TumSiparislerVer", {"II", TumSiparislerVer}},
        {"SepetVer2", {"I", SepetVer2}},
        {"SepetEkle2", {"OIISSDDDDIIDDD", SepetEkle2}},
        {"SepetGuncelle2", {"OIISSDDDDIIDDD", SepetGuncelle2}},
        {"SepetSatirSil", {"OIS", SepetSatirSil}},
        {"SepetHepsiniSil", {"O", SepetHepsiniSil}},
        {"SepetSecimGuncelle", {"II", SepetSecimGuncelle}},
        {"SiparisKaydet", {"OIIISII", SiparisKaydet}},
        {"OncekiSiparisler", {"I", OncekiSiparisler}},
        {"SiparisAyrintisi2", {"II", SiparisAyrintisi2}},
        {"SiparisAytintisiDip", {"II", SiparisAytintisiDip}},
        {"BakiyelerVer2", {"I", BakiyelerVer2}},
        {"BakiyeDuzenle", {"OIIIDDS", BakiyeDuzenle}},
        {"BakiyeDegistir", {"OIIIDDS", BakiyeDegistir}},
        {"BakiyeFiyatDegistir", {"OIIIDDSDD", BakiyeFiyatDegistir}},
        {"CariEkstreVer", {"I", CariEkstreVer}},
        {"FaturaGetir", {"II", FaturaGetir}},
        {"FaturaAltGetir", {"I", FaturaAltGetir}},
        {"Tahsilat", {"I", Tahsilat}},
        {"SanalposSiranoVer", {"I", SanalposSiranoVer}},
        {"SAnalPosPdfVer", {"I", SAnalPosPdfVer}},
        {"RaporGetir", {"IIIISDD", RaporGetir}},
        {"RaporAlinanSiparisler", {"ODD", RaporAlinanSiparisler}},
        {"RaporEnCokSatilanStoklar", {"ODD", RaporEnCokSatilanStoklar}},
        {"AcilisEkranlarVer2", {"", AcilisEkranlarVer2}},
        {"AcilisReklamAdet", {"", AcilisReklamAdet}},
        {"AcilisREklamVer", {"I", AcilisREklamVer}},
        {"BalonGetir", {"O", BalonGetir}},
        {"KayanYaziGetir", {"", KayanYaziGetir}},
        {"BannerResimVer", {"", BannerResimVer}},
        {"BannerResimVer2", {"", BannerResimVer2}},
        {"BannerResimVer3", {"", BannerResimVer3}},
        {"MailGonserCari", {"SSSSSSSSSSSSSSSS", MailGonserCari}},
        {"MailGonserCariNormal", {"SSSSSSSSSSSSSSSSS", MailGonserCariNormal}},
        {"EchoString", {"S", EchoString}},
    };
    return table;
}

} // namespace

ServerMethods::ServerMethods(ConnectionPool &pool) : m_pool(pool) {}

bool ServerMethods::has(const std::string &method) const
{
    return methods().count(method) > 0;
}

std::string ServerMethods::call(const std::string &method, const json::array &parameters)
{
    const auto it = methods().find(method);
    if (it == methods().end())
        throw CallError("TServerMethods1." + method + " diye bir metot yok");
    const CallArgs args(method, parameters, it->second.kinds);
    auto lease = m_pool.acquire();
    Context ctx{*lease, m_autoRegisterUser};
    try {
        return it->second.handler(ctx, args).body();
    } catch (const DatabaseError &e) {
        throw CallError(method + ": " + e.what());
    }
}

} // namespace appserver
