#include "server/proxim.h"

#include "platform/dbx/jsonmarshal.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/system/exception.h"
#include "server/transferclasses.h"

namespace {
constexpr auto In = TDBXParameterDirection::In;
constexpr auto Out = TDBXParameterDirection::Out;
constexpr auto Ret = TDBXParameterDirection::ReturnValue;
} // namespace

TServerMethods1Client::TServerMethods1Client(TSQLConnection &ADBXConnection) : FDBXConnection(ADBXConnection)
{
    if (!FDBXConnection.Connected())
        throw EDBXError(
            QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened."));
    registerTransferClasses();
}

TServerMethods1Client::~TServerMethods1Client() = default;

TDBXCommand &TServerMethods1Client::prepared(
    std::unique_ptr<TDBXCommand> &command, const char *method,
    std::initializer_list<std::pair<const char *, TDBXParameterDirection>> parameters)
{
    if (!command) {
        auto created = std::make_unique<TDBXCommand>(FDBXConnection);
        created->setCommandType(QLatin1String(TDBXCommandTypes::DSServerMethod));
        created->setText(QStringLiteral("TServerMethods1.") + QLatin1String(method));
        created->setParameters(parameters);
        created->Prepare();
        m_prepares[QLatin1String(method)] += 1;
        command = std::move(created);
    }
    return *command;
}

void TServerMethods1Client::bindObject(TDBXParameter &parameter, const std::optional<TSonucBilgisi> &object)
{
    if (object)
        parameter.setJSONValue(TJSONMarshal::marshal(*object));
    else
        parameter.setNull();
}

std::optional<TSonucBilgisi> TServerMethods1Client::BuyukGetir(const QString &idsi)
{
    TDBXCommand &command = prepared(FBuyukGetirCommand, "BuyukGetir", {{"idsi", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setString(idsi);
    command.ExecuteUpdate();
    return TJSONUnMarshal::unmarshalOptional<TSonucBilgisi>(p[1].JSONValue());
}

std::optional<TMobilCariBilgisi> TServerMethods1Client::MobilCariBilgisiGetir(int sirano,
                                                                              const QString &_idsi)
{
    TDBXCommand &command = prepared(FMobilCariBilgisiGetirCommand, "MobilCariBilgisiGetir",
                                    {{"sirano", In}, {"_idsi", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(sirano);
    p[1].setString(_idsi);
    command.ExecuteUpdate();
    return TJSONUnMarshal::unmarshalOptional<TMobilCariBilgisi>(p[2].JSONValue());
}

TDBXReader TServerMethods1Client::CariAra(std::optional<TSonucBilgisi> bil, const QString &aranan)
{
    TDBXCommand &command =
        prepared(FCariAraCommand, "CariAra", {{"bil", In}, {"aranan", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], bil);
    p[1].setString(aranan);
    command.ExecuteUpdate();
    return p[2].asTable();
}

int TServerMethods1Client::SepetSayisi(std::optional<TSonucBilgisi> bil)
{
    TDBXCommand &command = prepared(FSepetSayisiCommand, "SepetSayisi", {{"bil", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], bil);
    command.ExecuteUpdate();
    return p[1].asInt32();
}

std::optional<TTusSonuclari> TServerMethods1Client::TusSonuclariVer(std::optional<TSonucBilgisi> bil)
{
    TDBXCommand &command =
        prepared(FTusSonuclariVerCommand, "TusSonuclariVer", {{"bil", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], bil);
    command.ExecuteUpdate();
    return TJSONUnMarshal::unmarshalOptional<TTusSonuclari>(p[1].JSONValue());
}

TDBXReader TServerMethods1Client::CariSepetVer(std::optional<TSonucBilgisi> bil, int n)
{
    TDBXCommand &command =
        prepared(FCariSepetVerCommand, "CariSepetVer", {{"bil", In}, {"n", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], bil);
    p[1].setInt32(n);
    command.ExecuteUpdate();
    return p[2].asTable();
}

QString TServerMethods1Client::CariVadeGunGecmismiBul(int carino)
{
    TDBXCommand &command =
        prepared(FCariVadeGunGecmismiBulCommand, "CariVadeGunGecmismiBul", {{"carino", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(carino);
    command.ExecuteUpdate();
    return p[1].asString();
}

DbxTable TServerMethods1Client::StokAraGetir(const QString &kod, std::optional<TSonucBilgisi> bilgi)
{
    TDBXCommand &command =
        prepared(FStokAraGetirCommand, "StokAraGetir", {{"kod", In}, {"bilgi", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setString(kod);
    bindObject(p[1], bilgi);
    command.ExecuteUpdate();
    return p[2].asTable();
}

DbxTable TServerMethods1Client::YenilerVer2(int carino)
{
    TDBXCommand &command = prepared(FYenilerVer2Command, "YenilerVer2", {{"carino", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(carino);
    command.ExecuteUpdate();
    return p[1].asTable();
}

DbxTable TServerMethods1Client::KampanyaliVer2(int cario, int satici)
{
    TDBXCommand &command =
        prepared(FKampanyaliVer2Command, "KampanyaliVer2", {{"cario", In}, {"satici", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(cario);
    p[1].setInt32(satici);
    command.ExecuteUpdate();
    return p[2].asTable();
}

QByteArray TServerMethods1Client::ResimVer5(int stokno, qint64 &boy)
{
    TDBXCommand &command =
        prepared(FResimVer5Command, "ResimVer5", {{"stokno", In}, {"boy", Out}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(stokno);
    command.ExecuteUpdate();
    boy = p[1].asInt64();
    return boy == 0 ? QByteArray() : downloadStream(p[2].asStream(), boy);
}

TDBXReader TServerMethods1Client::TumSiparislerVer(int carino, int stokno)
{
    TDBXCommand &command = prepared(FTumSiparislerVerCommand, "TumSiparislerVer",
                                    {{"carino", In}, {"stokno", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(carino);
    p[1].setInt32(stokno);
    command.ExecuteUpdate();
    return p[2].asTable();
}

DbxTable TServerMethods1Client::SepetVer2(int carino)
{
    TDBXCommand &command = prepared(FSepetVer2Command, "SepetVer2", {{"carino", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(carino);
    command.ExecuteUpdate();
    return p[1].asTable();
}

int TServerMethods1Client::SepetEkle2(std::optional<TSonucBilgisi> bilgim, int carino, int stokno,
                                      const QString &barkod, const QString &stokadi, double miktar,
                                      double kdv, double fiyat, double ind1, int verenid, int k, double ind2,
                                      double ind3, double ind4)
{
    TDBXCommand &command = prepared(FSepetEkle2Command, "SepetEkle2",
                                    {{"bilgim", In},
                                     {"carino", In},
                                     {"stokno", In},
                                     {"barkod", In},
                                     {"stokadi", In},
                                     {"miktar", In},
                                     {"kdv", In},
                                     {"fiyat", In},
                                     {"ind1", In},
                                     {"verenid", In},
                                     {"k", In},
                                     {"ind2", In},
                                     {"ind3", In},
                                     {"ind4", In},
                                     {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], bilgim);
    p[1].setInt32(carino);
    p[2].setInt32(stokno);
    p[3].setString(barkod);
    p[4].setString(stokadi);
    p[5].setDouble(miktar);
    p[6].setDouble(kdv);
    p[7].setDouble(fiyat);
    p[8].setDouble(ind1);
    p[9].setInt32(verenid);
    p[10].setInt32(k);
    p[11].setDouble(ind2);
    p[12].setDouble(ind3);
    p[13].setDouble(ind4);
    command.ExecuteUpdate();
    return p[14].asInt32();
}

int TServerMethods1Client::SepetGuncelle2(std::optional<TSonucBilgisi> bilgim, int carino, int stokno,
                                          const QString &barkod, const QString &stokadi, double miktar,
                                          double kdv, double fiyat, double ind1, int verenid,
                                          int _sepetsirano, double ind2, double ind3, double ind4)
{
    TDBXCommand &command = prepared(FSepetGuncelle2Command, "SepetGuncelle2",
                                    {{"bilgim", In},
                                     {"carino", In},
                                     {"stokno", In},
                                     {"barkod", In},
                                     {"stokadi", In},
                                     {"miktar", In},
                                     {"kdv", In},
                                     {"fiyat", In},
                                     {"ind1", In},
                                     {"verenid", In},
                                     {"_sepetsirano", In},
                                     {"ind2", In},
                                     {"ind3", In},
                                     {"ind4", In},
                                     {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], bilgim);
    p[1].setInt32(carino);
    p[2].setInt32(stokno);
    p[3].setString(barkod);
    p[4].setString(stokadi);
    p[5].setDouble(miktar);
    p[6].setDouble(kdv);
    p[7].setDouble(fiyat);
    p[8].setDouble(ind1);
    p[9].setInt32(verenid);
    p[10].setInt32(_sepetsirano);
    p[11].setDouble(ind2);
    p[12].setDouble(ind3);
    p[13].setDouble(ind4);
    command.ExecuteUpdate();
    return p[14].asInt32();
}

int TServerMethods1Client::SepetSatirSil(std::optional<TSonucBilgisi> bilgi, int satirno,
                                         const QString &aciklamam)
{
    TDBXCommand &command = prepared(FSepetSatirSilCommand, "SepetSatirSil",
                                    {{"bilgi", In}, {"satirno", In}, {"aciklamam", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], bilgi);
    p[1].setInt32(satirno);
    p[2].setString(aciklamam);
    command.ExecuteUpdate();
    return p[3].asInt32();
}

int TServerMethods1Client::SepetHepsiniSil(std::optional<TSonucBilgisi> bilgi)
{
    TDBXCommand &command =
        prepared(FSepetHepsiniSilCommand, "SepetHepsiniSil", {{"bilgi", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], bilgi);
    command.ExecuteUpdate();
    return p[1].asInt32();
}

void TServerMethods1Client::SepetSecimGuncelle(int sirano, int secim)
{
    TDBXCommand &command =
        prepared(FSepetSecimGuncelleCommand, "SepetSecimGuncelle", {{"sirano", In}, {"secim", In}});
    auto &p = command.Parameters();
    p[0].setInt32(sirano);
    p[1].setInt32(secim);
    command.ExecuteUpdate();
}

bool TServerMethods1Client::SiparisKaydet(std::optional<TSonucBilgisi> BB, int _carino, int _teslim,
                                          int _kargo, const QString &_aciklama, int _verenid, int _kargoyeni)
{
    TDBXCommand &command = prepared(FSiparisKaydetCommand, "SiparisKaydet",
                                    {{"BB", In},
                                     {"_carino", In},
                                     {"_teslim", In},
                                     {"_kargo", In},
                                     {"_aciklama", In},
                                     {"_verenid", In},
                                     {"_kargoyeni", In},
                                     {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], BB);
    p[1].setInt32(_carino);
    p[2].setInt32(_teslim);
    p[3].setInt32(_kargo);
    p[4].setString(_aciklama);
    p[5].setInt32(_verenid);
    p[6].setInt32(_kargoyeni);
    command.ExecuteUpdate();
    return p[7].asBoolean();
}

TDBXReader TServerMethods1Client::OncekiSiparisler(int carino)
{
    TDBXCommand &command =
        prepared(FOncekiSiparislerCommand, "OncekiSiparisler", {{"carino", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(carino);
    command.ExecuteUpdate();
    return p[1].asTable();
}

TDBXReader TServerMethods1Client::SiparisAyrintisi2(int carino, int idnosu)
{
    TDBXCommand &command = prepared(FSiparisAyrintisi2Command, "SiparisAyrintisi2",
                                    {{"carino", In}, {"idnosu", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(carino);
    p[1].setInt32(idnosu);
    command.ExecuteUpdate();
    return p[2].asTable();
}

std::optional<TSiparisDipAyrinti> TServerMethods1Client::SiparisAytintisiDip(int carino, int siranosu)
{
    TDBXCommand &command = prepared(FSiparisAytintisiDipCommand, "SiparisAytintisiDip",
                                    {{"carino", In}, {"siranosu", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(carino);
    p[1].setInt32(siranosu);
    command.ExecuteUpdate();
    return TJSONUnMarshal::unmarshalOptional<TSiparisDipAyrinti>(p[2].JSONValue());
}

TDBXReader TServerMethods1Client::BakiyelerVer2(int carino)
{
    TDBXCommand &command =
        prepared(FBakiyelerVer2Command, "BakiyelerVer2", {{"carino", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(carino);
    command.ExecuteUpdate();
    return p[1].asTable();
}

int TServerMethods1Client::BakiyeDuzenle(std::optional<TSonucBilgisi> k, int stokno, int sepetsirano,
                                         int siparissirano, double Adet, double Bakiye, const QString &barkod)
{
    TDBXCommand &command = prepared(FBakiyeDuzenleCommand, "BakiyeDuzenle",
                                    {{"k", In},
                                     {"stokno", In},
                                     {"sepetsirano", In},
                                     {"siparissirano", In},
                                     {"Adet", In},
                                     {"Bakiye", In},
                                     {"barkod", In},
                                     {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], k);
    p[1].setInt32(stokno);
    p[2].setInt32(sepetsirano);
    p[3].setInt32(siparissirano);
    p[4].setDouble(Adet);
    p[5].setDouble(Bakiye);
    p[6].setString(barkod);
    command.ExecuteUpdate();
    return p[7].asInt32();
}

int TServerMethods1Client::BakiyeDegistir(std::optional<TSonucBilgisi> k, int stokno, int sepetsirano,
                                          int siparissirano, double Adet, double Bakiye,
                                          const QString &barkod)
{
    TDBXCommand &command = prepared(FBakiyeDegistirCommand, "BakiyeDegistir",
                                    {{"k", In},
                                     {"stokno", In},
                                     {"sepetsirano", In},
                                     {"siparissirano", In},
                                     {"Adet", In},
                                     {"Bakiye", In},
                                     {"barkod", In},
                                     {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], k);
    p[1].setInt32(stokno);
    p[2].setInt32(sepetsirano);
    p[3].setInt32(siparissirano);
    p[4].setDouble(Adet);
    p[5].setDouble(Bakiye);
    p[6].setString(barkod);
    command.ExecuteUpdate();
    return p[7].asInt32();
}

int TServerMethods1Client::BakiyeFiyatDegistir(std::optional<TSonucBilgisi> k, int stokno, int sepetsirano,
                                               int siparissirano, double Adet, double Bakiye,
                                               const QString &barkod, double fiyat, double ind)
{
    TDBXCommand &command = prepared(FBakiyeFiyatDegistirCommand, "BakiyeFiyatDegistir",
                                    {{"k", In},
                                     {"stokno", In},
                                     {"sepetsirano", In},
                                     {"siparissirano", In},
                                     {"Adet", In},
                                     {"Bakiye", In},
                                     {"barkod", In},
                                     {"fiyat", In},
                                     {"ind", In},
                                     {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], k);
    p[1].setInt32(stokno);
    p[2].setInt32(sepetsirano);
    p[3].setInt32(siparissirano);
    p[4].setDouble(Adet);
    p[5].setDouble(Bakiye);
    p[6].setString(barkod);
    p[7].setDouble(fiyat);
    p[8].setDouble(ind);
    command.ExecuteUpdate();
    return p[9].asInt32();
}

TDBXReader TServerMethods1Client::CariEkstreVer(int carino)
{
    TDBXCommand &command =
        prepared(FCariEkstreVerCommand, "CariEkstreVer", {{"carino", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(carino);
    command.ExecuteUpdate();
    return p[1].asTable();
}

TDBXReader TServerMethods1Client::FaturaGetir(int carino, int idnosu)
{
    TDBXCommand &command =
        prepared(FFaturaGetirCommand, "FaturaGetir", {{"carino", In}, {"idnosu", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(carino);
    p[1].setInt32(idnosu);
    command.ExecuteUpdate();
    return p[2].asTable();
}

TDBXReader TServerMethods1Client::FaturaAltGetir(int idnosu)
{
    TDBXCommand &command =
        prepared(FFaturaAltGetirCommand, "FaturaAltGetir", {{"idnosu", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(idnosu);
    command.ExecuteUpdate();
    return p[1].asTable();
}

TDBXReader TServerMethods1Client::Tahsilat(int idnosu)
{
    TDBXCommand &command = prepared(FTahsilatCommand, "Tahsilat", {{"idnosu", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(idnosu);
    command.ExecuteUpdate();
    return p[1].asTable();
}

int TServerMethods1Client::SanalposSiranoVer(int idnosu)
{
    TDBXCommand &command =
        prepared(FSanalposSiranoVerCommand, "SanalposSiranoVer", {{"idnosu", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(idnosu);
    command.ExecuteUpdate();
    return p[1].asInt32();
}

QByteArray TServerMethods1Client::SAnalPosPdfVer(int sirano, qint64 &boy)
{
    TDBXCommand &command =
        prepared(FSAnalPosPdfVerCommand, "SAnalPosPdfVer", {{"sirano", In}, {"boy", Out}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(sirano);
    command.ExecuteUpdate();
    boy = p[1].asInt64();
    return boy == 0 ? QByteArray() : downloadStream(p[2].asStream(), boy);
}

QByteArray TServerMethods1Client::RaporGetir(int raporno, int bolum, int idno, int carino,
                                             const QString &saticiadi, double tarih1, double tarih2,
                                             qint64 &size)
{
    TDBXCommand &command = prepared(FRaporGetirCommand, "RaporGetir",
                                    {{"raporno", In},
                                     {"bolum", In},
                                     {"idno", In},
                                     {"carino", In},
                                     {"saticiadi", In},
                                     {"tarih1", In},
                                     {"tarih2", In},
                                     {"size", Out},
                                     {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(raporno);
    p[1].setInt32(bolum);
    p[2].setInt32(idno);
    p[3].setInt32(carino);
    p[4].setString(saticiadi);
    p[5].setDouble(tarih1);
    p[6].setDouble(tarih2);
    command.ExecuteUpdate();
    size = p[7].asInt64();
    return size == 0 ? QByteArray() : downloadStream(p[8].asStream(), size);
}

TDBXReader TServerMethods1Client::RaporAlinanSiparisler(std::optional<TSonucBilgisi> bilgi, double tarih1,
                                                        double tarih2)
{
    TDBXCommand &command = prepared(FRaporAlinanSiparislerCommand, "RaporAlinanSiparisler",
                                    {{"bilgi", In}, {"tarih1", In}, {"tarih2", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], bilgi);
    p[1].setDouble(tarih1);
    p[2].setDouble(tarih2);
    command.ExecuteUpdate();
    return p[3].asTable();
}

TDBXReader TServerMethods1Client::RaporEnCokSatilanStoklar(std::optional<TSonucBilgisi> bilgi, double tarih1,
                                                           double tarih2)
{
    TDBXCommand &command = prepared(FRaporEnCokSatilanStoklarCommand, "RaporEnCokSatilanStoklar",
                                    {{"bilgi", In}, {"tarih1", In}, {"tarih2", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], bilgi);
    p[1].setDouble(tarih1);
    p[2].setDouble(tarih2);
    command.ExecuteUpdate();
    return p[3].asTable();
}

std::optional<TAcilisEkranlariki> TServerMethods1Client::AcilisEkranlarVer2()
{
    TDBXCommand &command = prepared(FAcilisEkranlarVer2Command, "AcilisEkranlarVer2", {{"Result", Ret}});
    auto &p = command.Parameters();
    command.ExecuteUpdate();
    return TJSONUnMarshal::unmarshalOptional<TAcilisEkranlariki>(p[0].JSONValue());
}

int TServerMethods1Client::AcilisReklamAdet()
{
    TDBXCommand &command = prepared(FAcilisReklamAdetCommand, "AcilisReklamAdet", {{"Result", Ret}});
    auto &p = command.Parameters();
    command.ExecuteUpdate();
    return p[0].asInt32();
}

std::optional<TAcilisEkran> TServerMethods1Client::AcilisREklamVer(int sira)
{
    TDBXCommand &command =
        prepared(FAcilisREklamVerCommand, "AcilisREklamVer", {{"sira", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setInt32(sira);
    command.ExecuteUpdate();
    return TJSONUnMarshal::unmarshalOptional<TAcilisEkran>(p[1].JSONValue());
}

TDBXReader TServerMethods1Client::BalonGetir(std::optional<TSonucBilgisi> bil)
{
    TDBXCommand &command = prepared(FBalonGetirCommand, "BalonGetir", {{"bil", In}, {"Result", Ret}});
    auto &p = command.Parameters();
    bindObject(p[0], bil);
    command.ExecuteUpdate();
    return p[1].asTable();
}

QString TServerMethods1Client::KayanYaziGetir()
{
    TDBXCommand &command = prepared(FKayanYaziGetirCommand, "KayanYaziGetir", {{"Result", Ret}});
    auto &p = command.Parameters();
    command.ExecuteUpdate();
    return p[0].asString();
}

QByteArray TServerMethods1Client::BannerResimVer(qint64 &size)
{
    TDBXCommand &command =
        prepared(FBannerResimVerCommand, "BannerResimVer", {{"size", Out}, {"Result", Ret}});
    auto &p = command.Parameters();
    command.ExecuteUpdate();
    size = p[0].asInt64();
    return size == 0 ? QByteArray() : downloadStream(p[1].asStream(), size);
}

QByteArray TServerMethods1Client::BannerResimVer2(qint64 &size)
{
    TDBXCommand &command =
        prepared(FBannerResimVer2Command, "BannerResimVer2", {{"size", Out}, {"Result", Ret}});
    auto &p = command.Parameters();
    command.ExecuteUpdate();
    size = p[0].asInt64();
    return size == 0 ? QByteArray() : downloadStream(p[1].asStream(), size);
}

QByteArray TServerMethods1Client::BannerResimVer3(qint64 &size)
{
    TDBXCommand &command =
        prepared(FBannerResimVer3Command, "BannerResimVer3", {{"size", Out}, {"Result", Ret}});
    auto &p = command.Parameters();
    command.ExecuteUpdate();
    size = p[0].asInt64();
    return size == 0 ? QByteArray() : downloadStream(p[1].asStream(), size);
}

int TServerMethods1Client::MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi,
                                          const QString &adres1, const QString &adres2, const QString &ilce,
                                          const QString &sehir, const QString &telefon, const QString &fax,
                                          const QString &vd, const QString &vn, const QString &yetkili,
                                          const QString &kullaniciadi, const QString &sifre,
                                          const QString &mail, const QString &kargoambar)
{
    TDBXCommand &command = prepared(FMailGonserCariCommand, "MailGonserCari",
                                    {{"idsi", In},
                                     {"baslik", In},
                                     {"firmaadi", In},
                                     {"adres1", In},
                                     {"adres2", In},
                                     {"ilce", In},
                                     {"sehir", In},
                                     {"telefon", In},
                                     {"fax", In},
                                     {"vd", In},
                                     {"vn", In},
                                     {"yetkili", In},
                                     {"kullaniciadi", In},
                                     {"sifre", In},
                                     {"mail", In},
                                     {"kargoambar", In},
                                     {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setString(idsi);
    p[1].setString(baslik);
    p[2].setString(firmaadi);
    p[3].setString(adres1);
    p[4].setString(adres2);
    p[5].setString(ilce);
    p[6].setString(sehir);
    p[7].setString(telefon);
    p[8].setString(fax);
    p[9].setString(vd);
    p[10].setString(vn);
    p[11].setString(yetkili);
    p[12].setString(kullaniciadi);
    p[13].setString(sifre);
    p[14].setString(mail);
    p[15].setString(kargoambar);
    command.ExecuteUpdate();
    return p[16].asInt32();
}

int TServerMethods1Client::MailGonserCariNormal(const QString &idsi, const QString &baslik,
                                                const QString &firmaadi, const QString &adres1,
                                                const QString &adres2, const QString &ilce,
                                                const QString &sehir, const QString &telefon,
                                                const QString &fax, const QString &vd, const QString &vn,
                                                const QString &yetkili, const QString &kullaniciadi,
                                                const QString &sifre, const QString &mail,
                                                const QString &kargoambar, const QString &konu)
{
    TDBXCommand &command = prepared(FMailGonserCariNormalCommand, "MailGonserCariNormal",
                                    {{"idsi", In},
                                     {"baslik", In},
                                     {"firmaadi", In},
                                     {"adres1", In},
                                     {"adres2", In},
                                     {"ilce", In},
                                     {"sehir", In},
                                     {"telefon", In},
                                     {"fax", In},
                                     {"vd", In},
                                     {"vn", In},
                                     {"yetkili", In},
                                     {"kullaniciadi", In},
                                     {"sifre", In},
                                     {"mail", In},
                                     {"kargoambar", In},
                                     {"konu", In},
                                     {"Result", Ret}});
    auto &p = command.Parameters();
    p[0].setString(idsi);
    p[1].setString(baslik);
    p[2].setString(firmaadi);
    p[3].setString(adres1);
    p[4].setString(adres2);
    p[5].setString(ilce);
    p[6].setString(sehir);
    p[7].setString(telefon);
    p[8].setString(fax);
    p[9].setString(vd);
    p[10].setString(vn);
    p[11].setString(yetkili);
    p[12].setString(kullaniciadi);
    p[13].setString(sifre);
    p[14].setString(mail);
    p[15].setString(kargoambar);
    p[16].setString(konu);
    command.ExecuteUpdate();
    return p[17].asInt32();
}
