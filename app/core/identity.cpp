#include "app/core/identity.h"

#include "app/core/diskaliases.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <arpa/inet.h>
#include <mutex>
#include <netdb.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
std::mutex sourcesMutex;

IdentitySources &sourcesRef()
{
    static IdentitySources sources;
    return sources;
}

QHash<QString, QString> &aliasesRef()
{
    static QHash<QString, QString> aliases = parseDiskAliases(QStringLiteral(RAVLA_DISK_ALIASES));
    return aliases;
}

IdentitySources currentSources()
{
    std::lock_guard lock(sourcesMutex);
    return sourcesRef();
}

template<class T, class F>
T guarded(F &&f)
{
    try {
        return f();
    } catch (...) {
        return T();
    }
}

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(4096);
}

// Disks that are not physical drives.
bool isVirtualBlock(const QString &name)
{
    static const QStringList prefixes = {
        QStringLiteral("loop"), QStringLiteral("ram"), QStringLiteral("zram"),
        QStringLiteral("dm-"),  QStringLiteral("md"),  QStringLiteral("sr"),
        QStringLiteral("fd"),   QStringLiteral("nbd"), QStringLiteral("mmcblk0boot")};
    for (const QString &p : prefixes) {
        if (name.startsWith(p))
            return true;
    }
    return false;
}

// sda before sdb before sdaa; nvme0n1 before nvme1n1.
bool blockOrder(const QString &a, const QString &b)
{
    if (a.size() != b.size() && a.left(2) == b.left(2))
        return a.size() < b.size();
    return a < b;
}

QString serialFromUdev(const QString &udevRoot, const QString &sysBlock)
{
    const QString dev = QString::fromLatin1(readSmallFile(sysBlock + QStringLiteral("/dev"))).trimmed();
    if (dev.isEmpty())
        return QString();
    const QString data = QString::fromUtf8(readSmallFile(udevRoot + QStringLiteral("/data/b") + dev));
    static const QRegularExpression shortSerial(QStringLiteral("^E:ID_SERIAL_SHORT=(.*)$"),
                                                QRegularExpression::MultilineOption);
    const auto match = shortSerial.match(data);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

QString serialFromVpd(const QString &path)
{
    // Unit serial number page: 4 header bytes, then the serial.
    const QByteArray page = readSmallFile(path);
    if (page.size() <= 4)
        return QString();
    const int length = (quint8(page.at(2)) << 8) | quint8(page.at(3));
    return QString::fromLatin1(page.mid(4, length)).trimmed();
}
} // namespace

namespace SystemIdentity {

QString diskSerial(const QString &sysRoot, const QString &udevRoot)
{
    QStringList names =
        QDir(sysRoot + QStringLiteral("/block")).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    names.erase(std::remove_if(names.begin(), names.end(), isVirtualBlock), names.end());
    // A physical drive has a device behind it.
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const QString &n) {
                                   return !QFileInfo::exists(sysRoot + QStringLiteral("/block/") + n +
                                                             QStringLiteral("/device"));
                               }),
                names.end());
    std::sort(names.begin(), names.end(), blockOrder);
    if (names.isEmpty())
        return QString();
    const QString block = sysRoot + QStringLiteral("/block/") + names.first();
    QString serial = serialFromUdev(udevRoot, block);
    if (serial.isEmpty())
        serial = QString::fromLatin1(readSmallFile(block + QStringLiteral("/device/serial"))).trimmed();
    if (serial.isEmpty())
        serial = QString::fromLatin1(readSmallFile(block + QStringLiteral("/serial"))).trimmed();
    if (serial.isEmpty())
        serial = serialFromVpd(block + QStringLiteral("/device/vpd_pg80"));
    return serial;
}

QStringList macAddresses(const QString &sysRoot)
{
    const QString net = sysRoot + QStringLiteral("/class/net/");
    QStringList names = QDir(net).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    std::sort(names.begin(), names.end());
    QStringList physical;
    QStringList other;
    static const QRegularExpression hex(QStringLiteral("^([0-9a-fA-F]{2}:){5}[0-9a-fA-F]{2}$"));
    for (const QString &name : names) {
        if (name == QLatin1String("lo"))
            continue;
        // Ethernet-like adapters only (type 1); bridges, tunnels and container links are not machines.
        if (QString::fromLatin1(readSmallFile(net + name + QStringLiteral("/type"))).trimmed() !=
            QLatin1String("1"))
            continue;
        const QString address =
            QString::fromLatin1(readSmallFile(net + name + QStringLiteral("/address"))).trimmed();
        if (!hex.match(address).hasMatch())
            continue;
        const QString formatted = address.toUpper().replace(u':', u'-');
        if (QFileInfo::exists(net + name + QStringLiteral("/device")))
            physical << formatted;
        else if (!name.startsWith(QLatin1String("veth")) && !name.startsWith(QLatin1String("docker")) &&
                 !name.startsWith(QLatin1String("br-")) && !name.startsWith(QLatin1String("virbr")))
            other << formatted;
    }
    return physical.isEmpty() ? other : physical;
}

QString hostName()
{
    char buffer[256] = {};
    if (::gethostname(buffer, sizeof buffer - 1) != 0)
        return QString();
    return QString::fromLocal8Bit(buffer);
}

QString userName()
{
    const struct passwd *pw = ::getpwuid(::geteuid());
    return pw && pw->pw_name ? QString::fromLocal8Bit(pw->pw_name) : QString();
}

QString localIp()
{
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0)
        return QString();
    addrinfo hints = {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *result = nullptr;
    if (::getaddrinfo(host, nullptr, &hints, &result) != 0 || !result)
        return QString();
    char text[INET_ADDRSTRLEN] = {};
    const auto *address = reinterpret_cast<const sockaddr_in *>(result->ai_addr);
    const bool ok = ::inet_ntop(AF_INET, &address->sin_addr, text, sizeof text) != nullptr;
    ::freeaddrinfo(result);
    return ok ? QString::fromLatin1(text) : QString();
}

} // namespace SystemIdentity

IdentitySources setIdentitySources(IdentitySources sources)
{
    std::lock_guard lock(sourcesMutex);
    return std::exchange(sourcesRef(), std::move(sources));
}

QHash<QString, QString> parseDiskAliases(const QString &text)
{
    QHash<QString, QString> aliases;
    for (const QString &entry : text.split(u';', Qt::SkipEmptyParts)) {
        const int eq = entry.indexOf(u'=');
        if (eq <= 0)
            continue;
        aliases.insert(entry.left(eq).trimmed(), entry.mid(eq + 1).trimmed());
    }
    return aliases;
}

QHash<QString, QString> setDiskAliases(QHash<QString, QString> aliases)
{
    std::lock_guard lock(sourcesMutex);
    return std::exchange(aliasesRef(), std::move(aliases));
}

QString BilgisayarAdiAl()
{
    return guarded<QString>([] {
        const IdentitySources s = currentSources();
        QString name = s.hostName ? s.hostName() : SystemIdentity::hostName();
        name = name.section(u'.', 0, 0).trimmed();
        return name.left(15).toUpper();
    });
}

QString KullaniciAdiAl()
{
    return guarded<QString>([] {
        const IdentitySources s = currentSources();
        return s.userName ? s.userName() : SystemIdentity::userName();
    });
}

QString IcIpAl()
{
    const QString ip = guarded<QString>([] {
        const IdentitySources s = currentSources();
        return s.localIp ? s.localIp() : SystemIdentity::localIp();
    });
    return ip.isEmpty() ? QStringLiteral("127.0.0.1") : ip;
}

QString MacAdresiAl()
{
    return guarded<QString>([] {
        const IdentitySources s = currentSources();
        const QStringList addresses = s.macAddresses ? s.macAddresses() : SystemIdentity::macAddresses();
        // The next adapter is asked only while the answer so far is all zeros.
        QString result;
        for (const QString &address : addresses) {
            result = address;
            if (result != QLatin1String("00-00-00-00-00-00"))
                break;
        }
        return result;
    });
}

QString DiskSeriNoAl()
{
    return guarded<QString>([] {
        const IdentitySources s = currentSources();
        return (s.diskSerial ? s.diskSerial() : SystemIdentity::diskSerial()).toUpper();
    });
}

QString BilgisayarIdAl()
{
    return guarded<QString>([] {
        QString id = DiskSeriNoAl().trimmed();
        if (id.isEmpty())
            id = MacAdresiAl().trimmed();
        id.remove(u' ');
        QHash<QString, QString> aliases;
        {
            std::lock_guard lock(sourcesMutex);
            aliases = aliasesRef();
        }
        return aliases.value(id, id);
    });
}
