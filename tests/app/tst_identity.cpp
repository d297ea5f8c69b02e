#include "app/core/identity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class IdentityTest : public QObject
{
    Q_OBJECT

private:
    static IdentitySources sources(const QString &disk, const QStringList &macs)
    {
        IdentitySources s;
        s.diskSerial = [disk] { return disk; };
        s.macAddresses = [macs] { return macs; };
        s.hostName = [] { return QStringLiteral("muhasebe-pc.ofis.local"); };
        s.userName = [] { return QStringLiteral("ayse"); };
        s.localIp = [] { return QStringLiteral("192.168.1.20"); };
        return s;
    }

    static void write(const QString &path, const QByteArray &data)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

private slots:
    void cleanup()
    {
        setIdentitySources({});
        setDiskAliases({});
    }

    void computerId_data()
    {
        QTest::addColumn<QString>("disk");
        QTest::addColumn<QStringList>("macs");
        QTest::addColumn<QString>("expected");
        QTest::newRow("disk serial upper-cased")
            << "wd-wcc4e1234567" << QStringList{"00-1A-2B-3C-4D-5E"} << "WD-WCC4E1234567";
        QTest::newRow("inner spaces removed") << "  S3Z9 NB0K 12345  " << QStringList{} << "S3Z9NB0K12345";
        QTest::newRow("empty serial falls back to MAC")
            << "" << QStringList{"00-1A-2B-3C-4D-5E"} << "00-1A-2B-3C-4D-5E";
        QTest::newRow("blank serial falls back to MAC")
            << "   " << QStringList{"00-1A-2B-3C-4D-5E"} << "00-1A-2B-3C-4D-5E";
        QTest::newRow("MAC after all-zero adapter")
            << "" << QStringList{"00-00-00-00-00-00", "52-54-00-12-34-56"} << "52-54-00-12-34-56";
        QTest::newRow("only all-zero adapters")
            << "" << QStringList{"00-00-00-00-00-00", "00-00-00-00-00-00"} << "00-00-00-00-00-00";
        QTest::newRow("first non-zero adapter wins")
            << "" << QStringList{"0A-00-00-00-00-01", "0B-00-00-00-00-02"} << "0A-00-00-00-00-01";
        QTest::newRow("nothing at all") << "" << QStringList{} << "";
    }

    void computerId()
    {
        QFETCH(QString, disk);
        QFETCH(QStringList, macs);
        QFETCH(QString, expected);
        setIdentitySources(sources(disk, macs));
        QCOMPARE(BilgisayarIdAl(), expected);
    }

    void failingSourcesNeverThrow()
    {
        IdentitySources s;
        s.diskSerial = []() -> QString { throw std::runtime_error("no disk"); };
        s.macAddresses = []() -> QStringList { throw std::runtime_error("no adapter"); };
        s.hostName = []() -> QString { throw std::runtime_error("no name"); };
        s.userName = []() -> QString { throw std::runtime_error("no user"); };
        s.localIp = []() -> QString { throw std::runtime_error("no socket"); };
        setIdentitySources(s);
        QCOMPARE(DiskSeriNoAl(), QString());
        QCOMPARE(MacAdresiAl(), QString());
        QCOMPARE(BilgisayarIdAl(), QString());
        QCOMPARE(BilgisayarAdiAl(), QString());
        QCOMPARE(KullaniciAdiAl(), QString());
        QCOMPARE(IcIpAl(), QStringLiteral("127.0.0.1"));
    }

    void aliasTable()
    {
        setDiskAliases(parseDiskAliases(QStringLiteral("S3Z9NB0K12345=BAYI-7;WDX 99=BAYI-7;abc=X")));
        setIdentitySources(sources(QStringLiteral("S3Z9 NB0K 12345"), {}));
        QCOMPARE(BilgisayarIdAl(), QStringLiteral("BAYI-7"));
        // Compared after the spaces are gone, exactly.
        setIdentitySources(sources(QStringLiteral("WDX 99"), {}));
        QCOMPARE(BilgisayarIdAl(), QStringLiteral("WDX99"));
        setIdentitySources(sources(QStringLiteral("abc"), {}));
        QCOMPARE(BilgisayarIdAl(), QStringLiteral("ABC")); // upper-cased serial does not match "abc"
    }

    void aliasParsing()
    {
        const auto aliases = parseDiskAliases(QStringLiteral("A=1;;B=2;broken;=3"));
        QCOMPARE(aliases.size(), 2);
        QCOMPARE(aliases.value(QStringLiteral("A")), QStringLiteral("1"));
        QCOMPARE(aliases.value(QStringLiteral("B")), QStringLiteral("2"));
        QVERIFY(parseDiskAliases(QString()).isEmpty());
    }

    void machineFields()
    {
        setIdentitySources(sources(QString(), {}));
        QCOMPARE(BilgisayarAdiAl(), QStringLiteral("MUHASEBE-PC"));
        QCOMPARE(KullaniciAdiAl(), QStringLiteral("ayse"));
        QCOMPARE(IcIpAl(), QStringLiteral("192.168.1.20"));

        IdentitySources s = sources(QString(), {});
        s.hostName = [] { return QStringLiteral("bir-cok-uzun-bilgisayar-adi"); };
        s.localIp = [] { return QString(); };
        setIdentitySources(s);
        QCOMPARE(BilgisayarAdiAl(), QStringLiteral("BIR-COK-UZUN-BI"));
        QCOMPARE(IcIpAl(), QStringLiteral("127.0.0.1"));
    }

    void sysfsDiskSerial()
    {
        QTemporaryDir root;
        const QString sys = root.path() + QStringLiteral("/sys");
        const QString udev = root.path() + QStringLiteral("/udev");
        // loop0 is skipped, sdb comes after sda, sda's serial comes from udev.
        write(sys + QStringLiteral("/block/loop0/dev"), "7:0\n");
        write(sys + QStringLiteral("/block/loop0/device/serial"), "LOOP\n");
        write(sys + QStringLiteral("/block/sdb/dev"), "8:16\n");
        write(sys + QStringLiteral("/block/sdb/device/serial"), "SECOND\n");
        write(sys + QStringLiteral("/block/sda/dev"), "8:0\n");
        write(sys + QStringLiteral("/block/sda/device/vendor"), "ATA\n");
        write(udev + QStringLiteral("/data/b8:0"),
              "S:disk/by-id/x\nE:ID_SERIAL=Samsung_SSD_S3Z9\nE:ID_SERIAL_SHORT=s3z9nb0k 12345\n");
        QCOMPARE(SystemIdentity::diskSerial(sys, udev), QStringLiteral("s3z9nb0k 12345"));

        // Without udev data the device's own serial or the VPD page serves.
        QVERIFY(QFile::remove(udev + QStringLiteral("/data/b8:0")));
        write(sys + QStringLiteral("/block/sda/device/vpd_pg80"),
              QByteArray("\x00\x80\x00\x08", 4) + "ZA1B2C3D");
        QCOMPARE(SystemIdentity::diskSerial(sys, udev), QStringLiteral("ZA1B2C3D"));
        write(sys + QStringLiteral("/block/sda/device/serial"), "  WD-123  \n");
        QCOMPARE(SystemIdentity::diskSerial(sys, udev), QStringLiteral("WD-123"));

        setIdentitySources({});
        QTemporaryDir empty;
        QCOMPARE(SystemIdentity::diskSerial(empty.path(), empty.path()), QString());
    }

    void sysfsMacAddresses()
    {
        QTemporaryDir root;
        const QString net = root.path() + QStringLiteral("/class/net/");
        auto adapter = [&](const char *name, const char *type, const char *address, bool device) {
            write(net + QLatin1String(name) + QStringLiteral("/type"), type);
            write(net + QLatin1String(name) + QStringLiteral("/address"), address);
            if (device)
                QDir().mkpath(net + QLatin1String(name) + QStringLiteral("/device"));
        };
        adapter("lo", "772\n", "00:00:00:00:00:00\n", false);
        adapter("docker0", "1\n", "02:42:ac:11:00:01\n", false);
        adapter("wlan0", "1\n", "a4:5e:60:d1:22:33\n", true);
        adapter("eth0", "1\n", "00:1a:2b:3c:4d:5e\n", true);
        adapter("wg0", "65534\n", "\n", false);
        QCOMPARE(SystemIdentity::macAddresses(root.path()),
                 QStringList({"00-1A-2B-3C-4D-5E", "A4-5E-60-D1-22-33"}));
    }

    void realMachineDoesNotThrow()
    {
        // Whatever this machine has, the answers keep their forms.
        const QString mac = MacAdresiAl();
        QVERIFY(mac.isEmpty() ||
                QRegularExpression(QStringLiteral("^([0-9A-F]{2}-){5}[0-9A-F]{2}$")).match(mac).hasMatch());
        QVERIFY(BilgisayarAdiAl().size() <= 15);
        QVERIFY(!IcIpAl().isEmpty());
        QVERIFY(!BilgisayarIdAl().contains(u' '));
        QCOMPARE(BilgisayarIdAl(), BilgisayarIdAl());
    }
};

QTEST_APPLESS_MAIN(IdentityTest)
#include "tst_identity.moc"
