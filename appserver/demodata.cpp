#include "appserver/demodata.h"

#include "appserver/database.h"
#include "appserver/pictures.h"
#include "appserver/pricing.h"
#include "appserver/textutil.h"

#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace appserver {

namespace {

// Own generator: std distributions differ between libraries, the demo data must not.
class Rng
{
public:
    explicit Rng(std::uint64_t seed) : m_state(seed ? seed : 1) {}
    std::uint32_t next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return std::uint32_t(m_state >> 11);
    }
    int range(int lo, int hi) { return lo + int(next() % std::uint32_t(hi - lo + 1)); }
    bool chance(int percent) { return range(1, 100) <= percent; }
    QString digits(int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar(u'0' + range(0, 9));
        return s;
    }
    QChar letter() { return QChar(u'A' + range(0, 25)); }
    template<class T, std::size_t N>
    const T &pick(const std::array<T, N> &items)
    {
        return items[std::size_t(range(0, int(N) - 1))];
    }

private:
    std::uint64_t m_state;
};

struct Group
{
    const char *name;
    const char *english;
    const char *prefix;
    int minPrice;
    int maxPrice;
    int shape;
};

const std::array<Group, 6> kGroups = {{
    {"YAĞ FİLTRESİ", "OIL FILTER", "O", 90, 650, 0},
    {"HAVA FİLTRESİ", "AIR FILTER", "A", 120, 980, 1},
    {"YAKIT FİLTRESİ", "FUEL FILTER", "F", 110, 1450, 3},
    {"POLEN FİLTRESİ", "CABIN FILTER", "C", 85, 620, 1},
    {"HİDROLİK FİLTRE", "HYDRAULIC FILTER", "H", 350, 2900, 2},
    {"ŞANZIMAN FİLTRESİ", "TRANSMISSION FILTER", "T", 260, 1850, 2},
}};

struct Brand
{
    const char *name;
    const char *code;
};

const std::array<Brand, 6> kBrands = {{
    {"RAVLA", "R"},
    {"NORDFIL", "NF"},
    {"AKSAFIL", "AK"},
    {"TEKNOFIL", "TF"},
    {"MAVIFIL", "MV"},
    {"PROFILT", "PF"},
}};

struct Maker
{
    const char *name;
    std::array<const char *, 4> models;
    int oemPattern;
    const char *segment;
};

const std::array<Maker, 10> kMakers = {{
    {"VOLKSWAGEN", {"GOLF VII 1.6 TDI", "PASSAT B8 2.0 TDI", "POLO 1.4 TSI", "CADDY 2.0 TDI"}, 0, "BİNEK"},
    {"FORD", {"FOCUS III 1.6 TDCI", "FIESTA 1.4", "TRANSIT 2.2 TDCI", "CONNECT 1.5 TDCI"}, 1, "HAFİF TİCARİ"},
    {"RENAULT", {"CLIO IV 1.5 DCI", "MEGANE III 1.5 DCI", "SYMBOL 1.2", "KANGOO 1.5 DCI"}, 2, "BİNEK"},
    {"FIAT", {"DOBLO 1.3 MJT", "LINEA 1.4", "EGEA 1.6 MJT", "FIORINO 1.3 MJT"}, 3, "HAFİF TİCARİ"},
    {"TOYOTA", {"COROLLA 1.6", "YARIS 1.33", "HILUX 2.5 D-4D", "AURIS 1.4 D-4D"}, 4, "BİNEK"},
    {"HYUNDAI", {"I20 1.4 CRDI", "ACCENT ERA 1.5", "TUCSON 2.0 CRDI", "H100 2.5"}, 5, "BİNEK"},
    {"MERCEDES-BENZ", {"SPRINTER 313 CDI", "C180 W204", "VITO 111 CDI", "ACTROS 1844"}, 6, "AĞIR VASITA"},
    {"BMW", {"3.20D F30", "5.20I E60", "X1 SDRIVE18D", "1.16I F20"}, 7, "BİNEK"},
    {"OPEL", {"ASTRA J 1.3 CDTI", "CORSA D 1.2", "VECTRA C 1.9 CDTI", "COMBO 1.3 CDTI"}, 8, "BİNEK"},
    {"ISUZU", {"NPR 3.0", "D-MAX 2.5", "NQR 5.2", "TURKUAZ 3.0"}, 9, "AĞIR VASITA"},
}};

// OEM numbers in the forms each vehicle maker prints them.
QString oemNumber(Rng &r, int pattern)
{
    switch (pattern) {
    case 0:
        return r.digits(3) + r.letter() + r.digits(3) + r.digits(3) +
               (r.chance(50) ? QString(r.letter()) : QString());
    case 1:
        return QStringLiteral("1 %1 %2").arg(r.digits(3), r.digits(3));
    case 2:
        return QStringLiteral("82 00 %1 %2").arg(r.digits(3), r.digits(3));
    case 3:
        return (r.chance(50) ? QStringLiteral("55") : QStringLiteral("46")) + r.digits(6);
    case 4:
        return QStringLiteral("%1-%2%3%4").arg(r.digits(5), QString(r.letter()), r.digits(2), r.digits(2));
    case 5:
        return QStringLiteral("%1-%2").arg(QStringLiteral("2") + r.digits(4), r.digits(5));
    case 6:
        return QStringLiteral("A %1 %2 %3 %4").arg(r.digits(3), r.digits(3), r.digits(2), r.digits(2));
    case 7:
        return QStringLiteral("11 42 %1 %2 %3").arg(r.digits(1), r.digits(3), r.digits(3));
    case 8:
        return QStringLiteral("%1 %2 %3").arg(r.digits(2), r.digits(2), r.digits(3));
    default:
        return QStringLiteral("8-%1-%2").arg(r.digits(5), r.digits(3));
    }
}

struct StockItem
{
    int stokno = 0;
    double liste = 0;
    double kamp = 0;
    double kdv = 18;
};

const std::array<const char *, 20> kCities = {"İSTANBUL",   "ANKARA",  "İZMİR",   "BURSA",   "KONYA",
                                              "ADANA",      "KAYSERİ", "SAMSUN",  "TRABZON", "ESKİŞEHİR",
                                              "GAZİANTEP",  "ANTALYA", "DENİZLİ", "SAKARYA", "MANİSA",
                                              "DİYARBAKIR", "ERZURUM", "MALATYA", "VAN",     "TEKİRDAĞ"};
const std::array<const char *, 20> kDistricts = {
    "İKİTELLİ",  "OSTİM",     "BORNOVA",    "NİLÜFER",    "KARATAY",  "SEYHAN",       "MELİKGAZİ",
    "İLKADIM",   "ORTAHİSAR", "ODUNPAZARI", "ŞEHİTKAMİL", "KEPEZ",    "MERKEZEFENDİ", "ADAPAZARI",
    "YUNUSEMRE", "BAĞLAR",    "YAKUTİYE",   "BATTALGAZİ", "İPEKYOLU", "ÇORLU"};
const std::array<const char *, 20> kFirms = {"KAYA OTO YEDEK PARÇA LTD. ŞTİ.",
                                             "YILDIZ FİLTRE TİCARET",
                                             "ANADOLU OTO MARKET",
                                             "EGE DİZEL SERVİS",
                                             "ULUDAĞ OTOMOTİV",
                                             "SELÇUK YEDEK PARÇA",
                                             "ÇUKUROVA FİLTRE",
                                             "ERCİYES OTO",
                                             "KARADENİZ MOTOR",
                                             "DORUK OTOMOTİV",
                                             "GÜNEYDOĞU PARÇA",
                                             "AKDENİZ OTO YEDEK",
                                             "PAMUKKALE DİZEL",
                                             "SAKARYA OTO SANAYİ",
                                             "SPİL OTOMOTİV",
                                             "DİCLE YEDEK PARÇA",
                                             "PALANDÖKEN OTO",
                                             "KAYISI OTO MARKET",
                                             "VAN GÖLÜ OTOMOTİV",
                                             "TRAKYA FİLTRE"};
const std::array<const char *, 12> kPeople = {
    "Mehmet Öztürk", "Ayşe Çelik",  "Hasan Şahin",   "Fatma Arslan", "Ali Koç",       "Zeynep Kurt",
    "Hüseyin Aydın", "Emine Polat", "Mustafa Tekin", "Hatice Güneş", "İbrahim Erdem", "Selin Acar"};

void exec(Connection &db, const char *sql)
{
    Statement q(db.handle(), sql);
    q.exec();
}

class Seeder
{
public:
    Seeder(Connection &db, const SeedOptions &options) : m_db(db), m_options(options), m_rng(0x5241564C41ULL)
    {}

    void run()
    {
        m_db.beginWrite();
        try {
            settings();
            people();
            customers();
            stock();
            // Each part draws from its own stream, so the size of the catalogue changes only which
            // items the documents name, not what the accounts hold.
            m_rng = Rng(0x42415345ULL);
            baskets();
            m_rng = Rng(0x5349504152ULL);
            orders();
            m_rng = Rng(0x454B535452ULL);
            statements();
            announcements();
            // The search index over the item texts (substring search by trigrams).
            exec(m_db, "INSERT INTO STOKARA(STOKARA) VALUES ('rebuild')");
            m_db.commit();
        } catch (...) {
            m_db.rollback();
            throw;
        }
    }

private:
    QString day(int daysAgo) const { return dateText(m_options.today.addDays(-daysAgo)); }

    void settings()
    {
        Statement q(m_db.handle(), "INSERT INTO AYAR (ANAHTAR, DEGER) VALUES (?, ?)");
        q.bind(1, "VERSION").bind(2, "3").exec();
        q.reset();
        q.bind(1, "KAYANYAZI")
            .bind(2, QStringLiteral(
                         "<b>Ravla Filtre B2B</b> &nbsp; Kampanyalı ürünlerimiz için "
                         "<font color=\"#c41e3a\"><b>Kampanyalı Stoklar</b></font> sekmesine bakınız. "
                         "&nbsp; Saat 16:00'ya kadar verilen siparişler aynı gün kargoda."))
            .exec();
        exec(m_db, "INSERT INTO TESLIM VALUES (1, 'Kargo ile Teslim'), (2, 'Depodan Teslim'), "
                   "(3, 'Servis Aracı ile Teslim')");
        exec(m_db, "INSERT INTO KARGO VALUES (1, 'Ravla Lojistik', 'Gönderici Ödemeli'), "
                   "(2, 'Anadolu Ambarı', 'Alıcı Ödemeli'), (3, 'Marmara Kargo', 'Anlaşmalı Kargo')");
    }

    void people()
    {
        exec(m_db, "INSERT INTO SATICI VALUES "
                   "(1, 'MURAT KAYA', '0212 555 01 11', 'murat.kaya@ravlafiltre.example'), "
                   "(2, 'ELİF DEMİR', '0212 555 01 12', 'elif.demir@ravlafiltre.example'), "
                   "(3, 'SERKAN AYDIN', '0212 555 01 13', 'serkan.aydin@ravlafiltre.example')");
        Statement u(m_db.handle(),
                    "INSERT INTO KULLANICI (SIRANO, ADI, SIFRE, TIPI, AKTIF, CARINO, SATICINO, EMAIL) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
        struct U
        {
            int sirano;
            const char *adi;
            int tipi;
            int aktif;
            int carino;
            int satici;
            const char *mail;
        };
        const U users[] = {
            {1, demo::Dealer, 3, 1, demo::DealerAccount, 1, "satinalma@kayaoto.example"},
            {2, demo::DealerNoCampaign, 4, 1, demo::DealerNoCampaignAccount, 1,
             "siparis@yildizfiltre.example"},
            {3, demo::Sales, 1, 1, 0, 1, "murat.kaya@ravlafiltre.example"},
            {4, demo::SalesWithPrices, 2, 1, 0, 2, "elif.demir@ravlafiltre.example"},
            {5, demo::Inactive, 3, 0, 103, 1, "info@anadoluoto.example"},
        };
        Statement c(m_db.handle(),
                    "INSERT INTO BILGISAYAR (BILGISAYARID, KULLANICI, KAYITTARIHI) VALUES (?, ?, ?)");
        for (const U &x : users) {
            u.bind(1, x.sirano).bind(2, x.adi).bind(3, demo::Password).bind(4, x.tipi).bind(5, x.aktif);
            u.bind(6, x.carino).bind(7, x.satici).bind(8, x.mail).exec();
            u.reset();
            c.bind(1, QStringLiteral("DEMO-") + QLatin1String(x.adi))
                .bind(2, x.sirano)
                .bind(3, day(200))
                .exec();
            c.reset();
        }
    }

    void customers()
    {
        Statement q(
            m_db.handle(),
            "INSERT INTO CARI (CARINO, CARIKOD, CARIADI, SATICINO, YETKILI, OZELKOD, KOD1, KOD2, KOD3, KOD4, "
            "KOD5, TEL1, TEL2, GSM, ILCE, IL, ULKE, ADRES1, ADRES2, FAX1, FAX2, EMAIL, VERGIDAIRESI, "
            "VERGINO, "
            "ANAGRUP, ALTGRUP, ISK1, ISK2, ISK3, ISK4, VADE, VADEKONTROLGUN, VADEKONTROLAY, KAMPANYASIZ, "
            "ARAMA) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
            "?, "
            "?, ?, ?, ?, ?, ?, ?)");
        for (int i = 0; i < 20; ++i) {
            const int carino = demo::DealerAccount + i;
            const QString kod = QStringLiteral("120.01.%1").arg(carino, 4, 10, QLatin1Char('0'));
            const QString adi = QString::fromUtf8(kFirms[std::size_t(i)]);
            const QString il = QString::fromUtf8(kCities[std::size_t(i)]);
            const QString ilce = QString::fromUtf8(kDistricts[std::size_t(i)]);
            const QString yetkili = QString::fromUtf8(kPeople[std::size_t(i % 12)]);
            const QString phone = QStringLiteral("0%1 %2 %3 %4")
                                      .arg(m_rng.range(212, 488))
                                      .arg(m_rng.digits(3), m_rng.digits(2), m_rng.digits(2));
            const std::array<double, 4> isk = {double(m_rng.range(6, 9) * 5), double(m_rng.range(0, 2) * 5),
                                               i % 4 == 0 ? 3.0 : 0.0, 0.0};
            // The demo dealer's short term leaves part of its debt overdue, so the basket shows the warning.
            const int drawn = std::array<int, 4>{30, 45, 60, 90}[std::size_t(m_rng.range(0, 3))];
            const int vade = carino == demo::DealerAccount ? 30 : drawn;
            int k = 1;
            q.bind(k++, carino).bind(k++, kod).bind(k++, adi).bind(k++, i < 8 ? 1 : (i < 15 ? 2 : 3));
            q.bind(k++, yetkili)
                .bind(k++, i % 3 == 0 ? QStringLiteral("A GRUBU") : QStringLiteral("B GRUBU"));
            for (int n = 1; n <= 5; ++n)
                q.bind(k++, QStringLiteral("K%1-%2").arg(n).arg(carino));
            q.bind(k++, phone)
                .bind(k++, QString())
                .bind(k++, QStringLiteral("05%1 %2 %3 %4")
                               .arg(m_rng.digits(2), m_rng.digits(3), m_rng.digits(2), m_rng.digits(2)));
            q.bind(k++, ilce).bind(k++, il).bind(k++, QStringLiteral("TÜRKİYE"));
            q.bind(k++, QStringLiteral("%1 SANAYİ SİTESİ %2. BLOK NO:%3")
                            .arg(ilce)
                            .arg(m_rng.range(1, 12))
                            .arg(m_rng.range(1, 80)));
            q.bind(k++, QStringLiteral("%1 / %2").arg(ilce, il));
            q.bind(k++, phone.left(phone.size() - 2) + QStringLiteral("99")).bind(k++, QString());
            q.bind(k++, QStringLiteral("info@%1.example").arg(carino));
            q.bind(k++, ilce + QStringLiteral(" V.D.")).bind(k++, m_rng.digits(10));
            q.bind(k++, QStringLiteral("BAYİ"))
                .bind(k++, i < 10 ? QStringLiteral("YETKİLİ BAYİ") : QStringLiteral("BÖLGE BAYİ"));
            for (double r : isk)
                q.bind(k++, r);
            q.bind(k++, vade).bind(k++, 0).bind(k++, 0);
            q.bind(k++, carino == demo::DealerNoCampaignAccount ? 1 : 0);
            q.bind(k++, searchKey(QStringList{kod, adi, il, ilce, yetkili}.join(QLatin1Char(' '))));
            q.exec();
            q.reset();
            m_vade.push_back(vade);
            m_isk.push_back(isk);
        }
    }

    void stock()
    {
        Statement q(
            m_db.handle(),
            "INSERT INTO STOK (STOKNO, BARKOD, BARKODNO, ADI, DIGERADI, OEM1, OEM2, OEM3, OEM4, OEMNO, "
            "FINISHKOD, URETICIKODU, DPKOD, PKOD, BIRIM, MARKA, MODEL, ANAGRUP, OZELKOD, KALAN, "
            "ALINANSIPARIS, VERILENSIPARIS, KDV, LISTEFIYAT, KAMPFIYAT, YENI, DURUM, RESIM, RENK, ARAMA) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
            "?)");
        for (int i = 0; i < m_options.stockCount; ++i) {
            const Group &g = kGroups[std::size_t(i % int(kGroups.size()))];
            const Brand &b = kBrands[std::size_t((i / 6) % int(kBrands.size()))];
            const Maker &m = m_rng.pick(kMakers);
            const QString model = QString::fromUtf8(m.models[std::size_t(m_rng.range(0, 3))]);
            const int stokno = 1001 + i;
            const QString barkod =
                QStringLiteral("%1%2-%3").arg(QLatin1String(b.code), QLatin1String(g.prefix)).arg(1000 + i);
            const QString group = QString::fromUtf8(g.name);
            const QString adi = QStringLiteral("%1 %2 %3").arg(group, QLatin1String(m.name), model);
            QStringList oem;
            const int oemCount = m_rng.range(1, 4);
            for (int n = 0; n < 4; ++n)
                oem << (n < oemCount ? oemNumber(m_rng, m.oemPattern) : QString());
            const QString uretici =
                QStringLiteral("%1 %2")
                    .arg(QLatin1String(kBrands[std::size_t((i / 6 + 1) % int(kBrands.size()))].code))
                    .arg(m_rng.range(100, 9999));
            const QString finish = QStringLiteral("FK%1").arg(m_rng.digits(5));
            const double kalan = m_rng.chance(15) ? 0 : m_rng.range(1, 480);
            int durum = 1;
            if (kalan == 0)
                durum = std::array<int, 5>{0, 0, 3, 4, 5}[std::size_t(m_rng.range(0, 4))];
            else if (kalan < 10)
                durum = 6;
            else if (m_rng.chance(4))
                durum = 2;
            const double liste =
                round2(m_rng.range(g.minPrice * 10, g.maxPrice * 10) / 10.0 + (m_rng.chance(50) ? 0.9 : 0));
            const bool campaign = m_rng.chance(8);
            const double kamp = campaign ? round2(liste * (100 - m_rng.range(15, 30)) / 100.0) : 0;
            const bool yeni = m_rng.chance(6);
            const bool picture = m_rng.chance(85);
            const int renk = (g.shape * 6) + (i / 6) % 6;
            QStringList search{barkod,
                               compactCode(barkod),
                               adi,
                               QString::fromUtf8(g.english),
                               finish,
                               uretici,
                               compactCode(uretici),
                               QLatin1String(b.name),
                               QLatin1String(m.name),
                               model};
            for (const QString &o : oem)
                if (!o.isEmpty())
                    search << o << compactCode(o);
            int k = 1;
            q.bind(k++, stokno).bind(k++, barkod).bind(k++, 868000000 + stokno).bind(k++, adi);
            q.bind(k++, QString::fromUtf8(g.english) + QLatin1Char(' ') + QLatin1String(m.name));
            for (const QString &o : oem)
                q.bind(k++, o);
            q.bind(k++, compactCode(oem.first())).bind(k++, finish).bind(k++, uretici);
            q.bind(k++, QStringLiteral("DP%1").arg(stokno)).bind(k++, QStringLiteral("P%1").arg(g.prefix));
            q.bind(k++, "ADET").bind(k++, b.name).bind(k++, QLatin1String(m.name) + QLatin1Char(' ') + model);
            q.bind(k++, group).bind(k++, QString::fromUtf8(m.segment));
            q.bind(k++, kalan).bind(k++, double(m_rng.range(0, 40))).bind(k++, double(m_rng.range(0, 120)));
            q.bind(k++, 18.0).bind(k++, liste).bind(k++, kamp).bind(k++, yeni ? 1 : 0).bind(k++, durum);
            q.bind(k++, picture ? 1 : 0).bind(k++, renk).bind(k++, searchKey(search.join(QLatin1Char(' '))));
            q.exec();
            q.reset();
            m_items.push_back({stokno, liste, kamp, 18});
        }
    }

    const StockItem &randomItem() { return m_items[std::size_t(m_rng.range(0, int(m_items.size()) - 1))]; }

    Line lineFor(const StockItem &item, int customer, double miktar)
    {
        Line l;
        l.miktar = miktar;
        l.kdv = item.kdv;
        l.birim = item.liste;
        if (item.kamp > 0 && customer + demo::DealerAccount != demo::DealerNoCampaignAccount) {
            l.kampanyali = true;
            l.net = item.kamp;
        } else {
            l.ind = m_isk[std::size_t(customer)];
        }
        l.compute();
        return l;
    }

    void baskets()
    {
        Statement q(
            m_db.handle(),
            "INSERT OR IGNORE INTO SEPET (CARINO, STOKNO, MIKTAR, BIRIMFIYAT, INDIRIMORANI1, INDIRIMORANI2, "
            "INDIRIMORANI3, INDIRIMORANI4, KAMPANYALI, NETBIRIMFIYAT, TUTAR, INDIRIMTUTAR, NETTUTAR, KDV, "
            "VERGITUTARI, INDIRIMYAZI, SEC, TARIH, SAAT, VERENIDNO, VEREN) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '10:15:00', ?, ?)");
        for (int c : {0, 4, 7, 10, 13}) {
            for (int n = 0; n < 3; ++n) {
                const StockItem &item = randomItem();
                const Line l = lineFor(item, c, m_rng.range(1, 12));
                int k = 1;
                q.bind(k++, demo::DealerAccount + c)
                    .bind(k++, item.stokno)
                    .bind(k++, l.miktar)
                    .bind(k++, l.birim);
                for (double r : l.ind)
                    q.bind(k++, r);
                q.bind(k++, l.kampanyali ? 1 : 0)
                    .bind(k++, l.net)
                    .bind(k++, l.tutar)
                    .bind(k++, l.indirimTutar);
                q.bind(k++, l.netTutar).bind(k++, l.kdv).bind(k++, l.vergi).bind(k++, l.indirimYazi);
                q.bind(k++, n == 0 ? 1 : 0).bind(k++, day(m_rng.range(0, 3)));
                q.bind(k++, c == 0 ? 1 : 3).bind(k++, c == 0 ? demo::Dealer : demo::Sales);
                q.exec();
                q.reset();
            }
        }
    }

    void orders()
    {
        Statement o(m_db.handle(),
                    "INSERT INTO SIPARIS (CARINO, TARIH, SAAT, VERENIDNO, VEREN, TESLIMID, KARGOID, "
                    "DURUMKODU, VERENINNOTU, ALANNOTU, SATICINOTU) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        Statement l(
            m_db.handle(),
            "INSERT INTO SIPARISSATIR (IDNO, SIRANO, CARINO, STOKNO, MIKTAR, BIRIMFIYAT, ILKFIYAT, "
            "INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3, INDIRIMORANI4, KAMPANYALI, NETBIRIMFIYAT, TUTAR, "
            "INDIRIMTUTAR, NETTUTAR, KDV, VERGITUTARI, INDIRIMYAZI, TESLIMEDILEN, KALAN, TARIH, SAAT, "
            "VERENIDNO, VEREN) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
            "'11:30:00', ?, ?)");
        static const std::array<const char *, 4> notes = {
            "", "Acil gönderim rica ederiz.", "Faturayı şubemize kesiniz.", "Eksikler sonra gelebilir."};
        static const std::array<const char *, 4> answers = {
            "", "Siparişiniz hazırlanıyor.", "Eksik ürünler yolda, sonra sevk edilecek.", "Kargoya verildi."};
        int sirano = 50000;
        for (int c = 0; c < 20; ++c) {
            const int orders = c < 2 ? 8 : m_rng.range(2, 6);
            for (int n = 0; n < orders; ++n) {
                // The demo dealers see every state, oldest shipped first.
                const int state = c < 2 ? 7 - (n % 6) : m_rng.range(2, 7);
                const int age = (7 - state) * 3 + m_rng.range(0, 40) + (c < 2 ? 0 : 5);
                const bool byDealer = m_rng.chance(60);
                o.bind(1, demo::DealerAccount + c).bind(2, day(age)).bind(3, "09:45:00");
                o.bind(4, byDealer ? 1 : 3).bind(5, byDealer ? demo::Dealer : demo::Sales);
                o.bind(6, m_rng.range(1, 3)).bind(7, m_rng.range(1, 3)).bind(8, state);
                o.bind(9, m_rng.pick(notes)).bind(10, state >= 5 ? m_rng.pick(answers) : "");
                o.bind(11, state >= 3 && m_rng.chance(40) ? "Bayi ile telefonda görüşüldü." : "");
                o.exec();
                o.reset();
                const std::int64_t idno = m_db.lastInsertId();
                const int lines = m_rng.range(2, 6);
                for (int x = 0; x < lines; ++x) {
                    const StockItem &item = randomItem();
                    const Line line = lineFor(item, c, m_rng.range(1, 20));
                    double delivered = 0;
                    if (state == 7)
                        delivered = line.miktar;
                    else if (state == 5)
                        delivered = std::floor(line.miktar / 2);
                    int k = 1;
                    l.bind(k++, idno)
                        .bind(k++, ++sirano)
                        .bind(k++, demo::DealerAccount + c)
                        .bind(k++, item.stokno);
                    l.bind(k++, line.miktar).bind(k++, line.birim).bind(k++, line.birim);
                    for (double r : line.ind)
                        l.bind(k++, r);
                    l.bind(k++, line.kampanyali ? 1 : 0).bind(k++, line.net).bind(k++, line.tutar);
                    l.bind(k++, line.indirimTutar)
                        .bind(k++, line.netTutar)
                        .bind(k++, line.kdv)
                        .bind(k++, line.vergi);
                    l.bind(k++, line.indirimYazi).bind(k++, delivered).bind(k++, line.miktar - delivered);
                    l.bind(k++, day(age + 1))
                        .bind(k++, byDealer ? 1 : 3)
                        .bind(k++, byDealer ? demo::Dealer : demo::Sales);
                    l.exec();
                    l.reset();
                }
            }
        }
    }

    void statements()
    {
        Statement e(m_db.handle(),
                    "INSERT INTO EKSTRE (CARINO, TARIH, TURADI, EVRAK, BORC, ALACAK, ACIKLAMA, VADE, "
                    "SATICINO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
        Statement f(m_db.handle(),
                    "INSERT INTO FATURASATIR (IDNO, STOKNO, MIKTAR, BIRIMFIYAT, INDIRIM1, INDIRIM2, KDV, "
                    "TUTAR, TOPLAMINDIRIM, NETBIRIMFIYAT, NETTUTAR, VERGI, IRSALIYENO) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        Statement t(m_db.handle(),
                    "INSERT INTO TAHSILAT (IDNO, TARIH, TURU, CINS, VADE, TUTAR, ACIKLAMA, EVRAKNO, "
                    "REF, SAAT) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        Statement p(m_db.handle(),
                    "INSERT INTO SANALPOS (IDNO, KARTSAHIBI, KARTNO, TUTAR, TAKSIT, TARIH, SAAT, "
                    "ONAYKODU) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
        int evrak = 1;
        auto entry = [&](int carino, int age, const QString &tur, const QString &no, double borc,
                         double alacak, const QString &aciklama, int vade, int satici) {
            e.bind(1, carino).bind(2, day(age)).bind(3, tur).bind(4, no).bind(5, borc).bind(6, alacak);
            e.bind(7, aciklama).bind(8, vade).bind(9, satici).exec();
            e.reset();
            return m_db.lastInsertId();
        };
        auto invoice = [&](int c, int age, bool isReturn) {
            const int carino = demo::DealerAccount + c;
            const QString no = QStringLiteral("%1%2")
                                   .arg(isReturn ? QStringLiteral("IAD") : QStringLiteral("RVL"))
                                   .arg(2026000000 + evrak++);
            const std::int64_t idno =
                entry(carino, age,
                      isReturn ? QStringLiteral("İade Faturası") : QStringLiteral("Toptan Satış Faturası"),
                      no, 0, 0, QString(), m_vade[std::size_t(c)], c < 8 ? 1 : (c < 15 ? 2 : 3));
            double total = 0;
            const int lines = isReturn ? 1 : m_rng.range(2, 8);
            for (int x = 0; x < lines; ++x) {
                const StockItem &item = randomItem();
                Line l;
                l.miktar = m_rng.range(1, isReturn ? 3 : 24);
                l.birim = item.liste;
                l.kdv = item.kdv;
                l.ind = {m_isk[std::size_t(c)][0], m_isk[std::size_t(c)][1], 0, 0};
                l.compute();
                int k = 1;
                f.bind(k++, idno)
                    .bind(k++, item.stokno)
                    .bind(k++, l.miktar)
                    .bind(k++, l.birim)
                    .bind(k++, l.ind[0]);
                f.bind(k++, l.ind[1])
                    .bind(k++, l.kdv)
                    .bind(k++, l.tutar)
                    .bind(k++, l.indirimTutar)
                    .bind(k++, l.net);
                f.bind(k++, l.netTutar)
                    .bind(k++, l.vergi)
                    .bind(k++, QStringLiteral("IRS%1").arg(idno + 70000));
                f.exec();
                f.reset();
                total += l.netTutar + l.vergi;
            }
            total = round2(total);
            Statement fix(m_db.handle(), isReturn ? "UPDATE EKSTRE SET ALACAK = ? WHERE IDNO = ?"
                                                  : "UPDATE EKSTRE SET BORC = ? WHERE IDNO = ?");
            fix.bind(1, total).bind(2, idno).exec();
            return total;
        };
        for (int c = 0; c < 20; ++c) {
            const int carino = demo::DealerAccount + c;
            const int satici = c < 8 ? 1 : (c < 15 ? 2 : 3);
            const double opening = round2(m_rng.range(2000, 60000) + m_rng.range(0, 99) / 100.0);
            entry(carino, 180, QStringLiteral("Devir"), QStringLiteral("DEVIR2026"), opening, 0,
                  QStringLiteral("Önceki dönemden devir"), 0, satici);
            double open = opening;
            // The demo dealers get every kind of document in a fixed rhythm: invoices, a return, a payment
            // by virtual POS, by transfer and by cheque.
            static const int rhythm[] = {1, 1, 8, 1, 6, 9, 1, 10, 2, 8};
            int step = 0;
            int collections = 0;
            for (int age = 170; age > 0; age -= m_rng.range(6, 16)) {
                const int drawn = m_rng.range(1, 10);
                const int kind = c < 2 ? rhythm[step++ % 10] : drawn;
                if (kind <= 5) {
                    open += invoice(c, age, false);
                } else if (kind == 6) {
                    open -= invoice(c, age, true);
                } else if (kind == 7 && c % 5 == 3) {
                    const double amount = round2(m_rng.range(500, 3000));
                    entry(carino, age, QStringLiteral("Tediye"), QStringLiteral("TD%1").arg(evrak++), amount,
                          0, QStringLiteral("Cariye ödeme"), 0, satici);
                    open += amount;
                } else if (open > 100) {
                    // Dealers at an even position pay less, so some accounts run overdue.
                    const double share = c % 2 == 0 ? 0.35 : 0.8;
                    const double amount = round2(std::max(100.0, open * share));
                    const bool drawnPos = m_rng.chance(40);
                    const bool drawnCheque = m_rng.chance(30);
                    const bool pos = c < 2 ? collections % 3 == 0 : drawnPos;
                    const bool cheque = !pos && (c < 2 ? collections % 3 == 2 : drawnCheque);
                    ++collections;
                    const QString no = QStringLiteral("THS%1").arg(evrak++);
                    const QString cins =
                        pos ? QStringLiteral("Kredi Kartı")
                            : (cheque ? QStringLiteral("Çek") : QStringLiteral("Havale/EFT"));
                    const std::int64_t idno = entry(carino, age, QStringLiteral("Tahsilat"), no, 0, amount,
                                                    cins + QStringLiteral(" ile tahsilat"), 0, satici);
                    const int parts = cheque ? 2 : 1;
                    double left = amount;
                    for (int x = 0; x < parts; ++x) {
                        const double part = x + 1 == parts ? round2(left) : round2(amount / parts);
                        left -= part;
                        t.bind(1, idno).bind(2, day(age)).bind(3, "Tahsilat").bind(4, cins);
                        t.bind(5, day(age - (cheque ? 30 * (x + 1) : 0))).bind(6, part);
                        t.bind(7, cheque ? QStringLiteral("Müşteri çeki %1").arg(m_rng.digits(7)) : cins);
                        t.bind(8, no).bind(9, pos ? QStringLiteral("SP-%1").arg(idno) : QString());
                        t.bind(10,
                               QStringLiteral("%1:%2:00").arg(m_rng.range(9, 17)).arg(m_rng.range(10, 59)));
                        t.exec();
                        t.reset();
                    }
                    if (pos) {
                        p.bind(1, idno).bind(2, QString::fromUtf8(kPeople[std::size_t(c % 12)]).toUpper());
                        p.bind(3, QStringLiteral("%1 %2** **** %3")
                                      .arg(m_rng.digits(4), m_rng.digits(2), m_rng.digits(4)));
                        p.bind(4, amount).bind(5,
                                               std::array<int, 3>{1, 3, 6}[std::size_t(m_rng.range(0, 2))]);
                        p.bind(6, day(age)).bind(7, "14:22:05").bind(8, m_rng.digits(6));
                        p.exec();
                        p.reset();
                    }
                    open -= amount;
                }
            }
        }
    }

    void announcements()
    {
        struct A
        {
            const char *title;
            const char *text;
            const char *target;
            int ad;
        };
        const A items[] = {
            {"Kampanya Başladı!", "Seçili filtrelerde %30'a varan indirim. Stoklarla sınırlıdır.",
             "#KAMPANYA#", 0},
            {"Yeni Ürünler", "Hidrolik ve şanzıman filtrelerinde yeni ürünlerimiz raflarda.", "#YENİ#", 0},
            {"RAVLA Yağ Filtreleri", "Binek ve hafif ticari araçlar için geniş yağ filtresi yelpazesi.",
             "YAG FILTRESI", 0},
            {"Polen Filtresi Sezonu", "Bahar aylarında polen filtresi değişimini unutmayın.", "POLEN", 0},
            {"Bayram Tatili",
             "Bayram süresince depomuz kapalıdır. Siparişleriniz sonraki iş günü gönderilir.", "", 0},
            {"Haftanın Kampanyası", "Kampanyalı ürünlerde ek indirim fırsatı.", "#KAMPANYA#", 1},
            {"Yeni Sezon Ürünleri", "Yeni eklenen filtreleri inceleyin.", "#YENİ#", 1},
            {"Hava Filtrelerinde Fırsat", "Hava filtresi siparişlerinizde hızlı teslimat.", "HAVA FILTRESI",
             1},
        };
        Statement q(m_db.handle(),
                    "INSERT INTO DUYURU (BASLIK, ARAMA, RESIM, REKLAM, SIRA) VALUES (?, ?, ?, ?, ?)");
        int sira = 0;
        for (const A &a : items) {
            q.bind(1, QString::fromUtf8(a.title)).bind(2, QString::fromUtf8(a.target));
            q.bindBlob(3, announcementJpeg(QString::fromUtf8(a.title), QString::fromUtf8(a.text), sira));
            q.bind(4, a.ad).bind(5, ++sira).exec();
            q.reset();
        }
        Statement b(m_db.handle(), "INSERT INTO BANNER (NO, RESIM) VALUES (?, ?)");
        b.bind(1, 1).bindBlob(2,
                              bannerGif(409, 125,
                                        {QStringLiteral("Ravla Filtre"), QStringLiteral("Kampanyalı ürünler"),
                                         QStringLiteral("Yeni ürünler")},
                                        0));
        b.exec();
        b.reset();
        b.bind(1, 2).bindBlob(
            2, bannerGif(960, 48,
                         {QStringLiteral("Saat 16:00'ya kadar verilen siparişler aynı gün kargoda"),
                          QStringLiteral("Ravla Filtre B2B ile 7/24 sipariş")},
                         1));
        b.exec();
        b.reset();
        b.bind(1, 3).bindBlob(
            2, bannerBmp(900, 80, QStringLiteral("RAVLA FİLTRE  •  YAĞ • HAVA • YAKIT • POLEN"), 2));
        b.exec();
    }

    Connection &m_db;
    SeedOptions m_options;
    Rng m_rng;
    std::vector<StockItem> m_items;
    std::vector<int> m_vade;
    std::vector<std::array<double, 4>> m_isk;
};

} // namespace

void seedDemoData(Connection &db, const SeedOptions &options)
{
    Seeder(db, options).run();
}

} // namespace appserver
