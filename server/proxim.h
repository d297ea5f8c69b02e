#pragma once

// The client side of TServerMethods1: one operation per server method the client calls, with the
// server's parameter names, types and order. Outputs come back through references, results by value:
// tables and packets as DbxTable (TDBXReader), streams as QByteArray after the stream download rule,
// objects as std::optional (empty when the server sent null). Session-record arguments are copies;
// std::nullopt sends null. Every failure raises EDBXError / EConvertError / EJsonError.
//
// A proxy lives for one call or a short sequence of calls on one thread; each method's command is
// created and prepared on its first use and reused afterwards.

#include "platform/dbx/dbxcommand.h"
#include "platform/dbx/dbxtable.h"
#include "server/baglantiu.h"
#include "server/mobilstokunit.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <memory>
#include <optional>

class TSQLConnection;

class TServerMethods1Client
{
public:
    // Refuses a connection that is not open.
    explicit TServerMethods1Client(TSQLConnection &ADBXConnection);
    ~TServerMethods1Client();
    TServerMethods1Client(const TServerMethods1Client &) = delete;
    TServerMethods1Client &operator=(const TServerMethods1Client &) = delete;

    // How many times the command of a method was prepared on this proxy.
    int prepareCount(const QString &method) const { return m_prepares.value(method); }

    // Login and customer accounts
    std::optional<TSonucBilgisi> BuyukGetir(const QString &idsi);
    std::optional<TMobilCariBilgisi> MobilCariBilgisiGetir(int sirano, const QString &_idsi);
    TDBXReader CariAra(std::optional<TSonucBilgisi> bil, const QString &aranan);
    int SepetSayisi(std::optional<TSonucBilgisi> bil);
    std::optional<TTusSonuclari> TusSonuclariVer(std::optional<TSonucBilgisi> bil);
    TDBXReader CariSepetVer(std::optional<TSonucBilgisi> bil, int n);
    QString CariVadeGunGecmismiBul(int carino);

    // Stock lists
    DbxTable StokAraGetir(const QString &kod, std::optional<TSonucBilgisi> bilgi);
    DbxTable YenilerVer2(int carino);
    DbxTable KampanyaliVer2(int cario, int satici);
    QByteArray ResimVer5(int stokno, qint64 &boy);
    TDBXReader TumSiparislerVer(int carino, int stokno);

    // Basket and order placement
    DbxTable SepetVer2(int carino);
    int SepetEkle2(std::optional<TSonucBilgisi> bilgim, int carino, int stokno, const QString &barkod,
                   const QString &stokadi, double miktar, double kdv, double fiyat, double ind1, int verenid,
                   int k, double ind2, double ind3, double ind4);
    int SepetGuncelle2(std::optional<TSonucBilgisi> bilgim, int carino, int stokno, const QString &barkod,
                       const QString &stokadi, double miktar, double kdv, double fiyat, double ind1,
                       int verenid, int _sepetsirano, double ind2, double ind3, double ind4);
    int SepetSatirSil(std::optional<TSonucBilgisi> bilgi, int satirno, const QString &aciklamam);
    int SepetHepsiniSil(std::optional<TSonucBilgisi> bilgi);
    void SepetSecimGuncelle(int sirano, int secim);
    bool SiparisKaydet(std::optional<TSonucBilgisi> BB, int _carino, int _teslim, int _kargo,
                       const QString &_aciklama, int _verenid, int _kargoyeni);

    // Orders, balances and account history
    TDBXReader OncekiSiparisler(int carino);
    TDBXReader SiparisAyrintisi2(int carino, int idnosu);
    std::optional<TSiparisDipAyrinti> SiparisAytintisiDip(int carino, int siranosu);
    TDBXReader BakiyelerVer2(int carino);
    int BakiyeDuzenle(std::optional<TSonucBilgisi> k, int stokno, int sepetsirano, int siparissirano,
                      double Adet, double Bakiye, const QString &barkod);
    int BakiyeDegistir(std::optional<TSonucBilgisi> k, int stokno, int sepetsirano, int siparissirano,
                       double Adet, double Bakiye, const QString &barkod);
    int BakiyeFiyatDegistir(std::optional<TSonucBilgisi> k, int stokno, int sepetsirano, int siparissirano,
                            double Adet, double Bakiye, const QString &barkod, double fiyat, double ind);
    TDBXReader CariEkstreVer(int carino);
    TDBXReader FaturaGetir(int carino, int idnosu);
    TDBXReader FaturaAltGetir(int idnosu);
    TDBXReader Tahsilat(int idnosu);
    int SanalposSiranoVer(int idnosu);
    QByteArray SAnalPosPdfVer(int sirano, qint64 &boy);

    // Reports
    QByteArray RaporGetir(int raporno, int bolum, int idno, int carino, const QString &saticiadi,
                          double tarih1, double tarih2, qint64 &size);
    TDBXReader RaporAlinanSiparisler(std::optional<TSonucBilgisi> bilgi, double tarih1, double tarih2);
    TDBXReader RaporEnCokSatilanStoklar(std::optional<TSonucBilgisi> bilgi, double tarih1, double tarih2);

    // Announcements, advertisements and notices
    std::optional<TAcilisEkranlariki> AcilisEkranlarVer2();
    int AcilisReklamAdet();
    std::optional<TAcilisEkran> AcilisREklamVer(int sira);
    TDBXReader BalonGetir(std::optional<TSonucBilgisi> bil);
    QString KayanYaziGetir();
    QByteArray BannerResimVer(qint64 &size);
    QByteArray BannerResimVer2(qint64 &size);
    QByteArray BannerResimVer3(qint64 &size);

    // Requests and mail
    int MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi,
                       const QString &adres1, const QString &adres2, const QString &ilce,
                       const QString &sehir, const QString &telefon, const QString &fax, const QString &vd,
                       const QString &vn, const QString &yetkili, const QString &kullaniciadi,
                       const QString &sifre, const QString &mail, const QString &kargoambar);
    int MailGonserCariNormal(const QString &idsi, const QString &baslik, const QString &firmaadi,
                             const QString &adres1, const QString &adres2, const QString &ilce,
                             const QString &sehir, const QString &telefon, const QString &fax,
                             const QString &vd, const QString &vn, const QString &yetkili,
                             const QString &kullaniciadi, const QString &sifre, const QString &mail,
                             const QString &kargoambar, const QString &konu);

private:
    TDBXCommand &prepared(std::unique_ptr<TDBXCommand> &command, const char *method,
                          std::initializer_list<std::pair<const char *, TDBXParameterDirection>> parameters);
    static void bindObject(TDBXParameter &parameter, const std::optional<TSonucBilgisi> &object);

    TSQLConnection &FDBXConnection;
    QMap<QString, int> m_prepares;
    std::unique_ptr<TDBXCommand> FBuyukGetirCommand;
    std::unique_ptr<TDBXCommand> FMobilCariBilgisiGetirCommand;
    std::unique_ptr<TDBXCommand> FCariAraCommand;
    std::unique_ptr<TDBXCommand> FSepetSayisiCommand;
    std::unique_ptr<TDBXCommand> FTusSonuclariVerCommand;
    std::unique_ptr<TDBXCommand> FCariSepetVerCommand;
    std::unique_ptr<TDBXCommand> FCariVadeGunGecmismiBulCommand;
    std::unique_ptr<TDBXCommand> FStokAraGetirCommand;
    std::unique_ptr<TDBXCommand> FYenilerVer2Command;
    std::unique_ptr<TDBXCommand> FKampanyaliVer2Command;
    std::unique_ptr<TDBXCommand> FResimVer5Command;
    std::unique_ptr<TDBXCommand> FTumSiparislerVerCommand;
    std::unique_ptr<TDBXCommand> FSepetVer2Command;
    std::unique_ptr<TDBXCommand> FSepetEkle2Command;
    std::unique_ptr<TDBXCommand> FSepetGuncelle2Command;
    std::unique_ptr<TDBXCommand> FSepetSatirSilCommand;
    std::unique_ptr<TDBXCommand> FSepetHepsiniSilCommand;
    std::unique_ptr<TDBXCommand> FSepetSecimGuncelleCommand;
    std::unique_ptr<TDBXCommand> FSiparisKaydetCommand;
    std::unique_ptr<TDBXCommand> FOncekiSiparislerCommand;
    std::unique_ptr<TDBXCommand> FSiparisAyrintisi2Command;
    std::unique_ptr<TDBXCommand> FSiparisAytintisiDipCommand;
    std::unique_ptr<TDBXCommand> FBakiyelerVer2Command;
    std::unique_ptr<TDBXCommand> FBakiyeDuzenleCommand;
    std::unique_ptr<TDBXCommand> FBakiyeDegistirCommand;
    std::unique_ptr<TDBXCommand> FBakiyeFiyatDegistirCommand;
    std::unique_ptr<TDBXCommand> FCariEkstreVerCommand;
    std::unique_ptr<TDBXCommand> FFaturaGetirCommand;
    std::unique_ptr<TDBXCommand> FFaturaAltGetirCommand;
    std::unique_ptr<TDBXCommand> FTahsilatCommand;
    std::unique_ptr<TDBXCommand> FSanalposSiranoVerCommand;
    std::unique_ptr<TDBXCommand> FSAnalPosPdfVerCommand;
    std::unique_ptr<TDBXCommand> FRaporGetirCommand;
    std::unique_ptr<TDBXCommand> FRaporAlinanSiparislerCommand;
    std::unique_ptr<TDBXCommand> FRaporEnCokSatilanStoklarCommand;
    std::unique_ptr<TDBXCommand> FAcilisEkranlarVer2Command;
    std::unique_ptr<TDBXCommand> FAcilisReklamAdetCommand;
    std::unique_ptr<TDBXCommand> FAcilisREklamVerCommand;
    std::unique_ptr<TDBXCommand> FBalonGetirCommand;
    std::unique_ptr<TDBXCommand> FKayanYaziGetirCommand;
    std::unique_ptr<TDBXCommand> FBannerResimVerCommand;
    std::unique_ptr<TDBXCommand> FBannerResimVer2Command;
    std::unique_ptr<TDBXCommand> FBannerResimVer3Command;
    std::unique_ptr<TDBXCommand> FMailGonserCariCommand;
    std::unique_ptr<TDBXCommand> FMailGonserCariNormalCommand;
};
