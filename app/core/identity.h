#pragma once

#include <QHash>
#include <QString>
#include <functional>

// Identity of the client machine. None of these throws; a source that fails gives the empty text.
QString BilgisayarAdiAl(); // host name, at most 15 characters, upper-cased like a NetBIOS name
QString KullaniciAdiAl();  // login name of the process owner
QString IcIpAl();          // first IPv4 address of the host name; "127.0.0.1" when that fails
QString MacAdresiAl();     // "00-1A-2B-3C-4D-5E" of the first real network adapter
QString DiskSeriNoAl();    // serial number of the first physical disk, upper-cased
QString BilgisayarIdAl();  // disk serial, else MAC; every space removed; then the alias table

// Where the raw values come from. Tests install their own; a missing function uses the system's.
struct IdentitySources
{
    std::function<QString()> diskSerial;       // raw serial of the first physical disk
    std::function<QStringList()> macAddresses; // "00-1A-..." of the real adapters, in order
    std::function<QString()> hostName;
    std::function<QString()> userName;
    std::function<QString()> localIp; // empty when the host name does not resolve
};
IdentitySources setIdentitySources(IdentitySources sources);

// "SERIAL=ID;SERIAL=ID" (the build's RAVLA_DISK_ALIASES by default).
QHash<QString, QString> parseDiskAliases(const QString &text);
QHash<QString, QString> setDiskAliases(QHash<QString, QString> aliases);

// The system's own sources, for the defaults and for tests that look at the real machine.
namespace SystemIdentity {
QString diskSerial(const QString &sysRoot = QStringLiteral("/sys"),
                   const QString &udevRoot = QStringLiteral("/run/udev"));
QStringList macAddresses(const QString &sysRoot = QStringLiteral("/sys"));
QString hostName();
QString userName();
QString localIp();
} // namespace SystemIdentity
