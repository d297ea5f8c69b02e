#pragma once

// Unit mobilstokunit: customer master data, announcement items, stock items and basket lines.
// Plain values; marshal and unmarshal them with platform/dbx/jsonmarshal.h.

#include <QString>

#include <vector>

// A customer account's master data.
class TMobilCariBilgisi
{
public:
    static constexpr const char *SinifAdi = "mobilstokunit.TMobilCariBilgisi";

    TMobilCariBilgisi() = default;
    void Kopyala(const TMobilCariBilgisi &kaynak) { *this = kaynak; }
    bool operator==(const TMobilCariBilgisi &) const = default;

    QString BILGISAYARID() const { return FBILGISAYARID; }
    void setBILGISAYARID(const QString &value) { FBILGISAYARID = value; }
    QString SEHIR() const { return FSEHIR; }
    void setSEHIR(const QString &value) { FSEHIR = value; }
    QString FAX1() const { return FFAX1; }
    void setFAX1(const QString &value) { FFAX1 = value; }
    QString SATICIMAIL() const { return FSATICIMAIL; }
    void setSATICIMAIL(const QString &value) { FSATICIMAIL = value; }
    QString SATICIADI() const { return FSATICIADI; }
    void setSATICIADI(const QString &value) { FSATICIADI = value; }
    QString CARIADI() const { return FCARIADI; }
    void setCARIADI(const QString &value) { FCARIADI = value; }
    QString EMAIL() const { return FEMAIL; }
    void setEMAIL(const QString &value) { FEMAIL = value; }
    QString VERGIDAIRESI() const { return FVERGIDAIRESI; }
    void setVERGIDAIRESI(const QString &value) { FVERGIDAIRESI = value; }
    QString YETKILI() const { return FYETKILI; }
    void setYETKILI(const QString &value) { FYETKILI = value; }
    QString AltGrup() const { return FAltGrup; }
    void setAltGrup(const QString &value) { FAltGrup = value; }
    QString TEL2() const { return FTEL2; }
    void setTEL2(const QString &value) { FTEL2 = value; }
    QString SIFRE() const { return FSIFRE; }
    void setSIFRE(const QString &value) { FSIFRE = value; }
    QString GSM() const { return FGSM; }
    void setGSM(const QString &value) { FGSM = value; }
    QString TEL1() const { return FTEL1; }
    void setTEL1(const QString &value) { FTEL1 = value; }
    QString ADRES2() const { return FADRES2; }
    void setADRES2(const QString &value) { FADRES2 = value; }
    double TLBORC() const { return FTLBORC; }
    void setTLBORC(double value) { FTLBORC = value; }
    double TLALACAK() const { return FTLALACAK; }
    void setTLALACAK(double value) { FTLALACAK = value; }
    QString ADRES1() const { return FADRES1; }
    void setADRES1(const QString &value) { FADRES1 = value; }
    QString ULKE() const { return FULKE; }
    void setULKE(const QString &value) { FULKE = value; }
    QString AnaGrup() const { return FAnaGrup; }
    void setAnaGrup(const QString &value) { FAnaGrup = value; }
    int CARINO() const { return FCARINO; }
    void setCARINO(int value) { FCARINO = value; }
    double TLBAKIYE() const { return FTLBAKIYE; }
    void setTLBAKIYE(double value) { FTLBAKIYE = value; }
    QString VERGINO() const { return FVERGINO; }
    void setVERGINO(const QString &value) { FVERGINO = value; }
    QString MAIL() const { return FMAIL; }
    void setMAIL(const QString &value) { FMAIL = value; }
    QString OzelKod() const { return FOzelKod; }
    void setOzelKod(const QString &value) { FOzelKod = value; }
    QString KULLANICIADI() const { return FKULLANICIADI; }
    void setKULLANICIADI(const QString &value) { FKULLANICIADI = value; }
    QString SATICITELEFON() const { return FSATICITELEFON; }
    void setSATICITELEFON(const QString &value) { FSATICITELEFON = value; }
    QString CARIKOD() const { return FCARIKOD; }
    void setCARIKOD(const QString &value) { FCARIKOD = value; }
    QString FAX2() const { return FFAX2; }
    void setFAX2(const QString &value) { FFAX2 = value; }
    QString ILCE() const { return FILCE; }
    void setILCE(const QString &value) { FILCE = value; }

    // Declaration order is the order on the wire.
    template<class Self, class Visitor>
    static void visitFields(Self &self, Visitor &&v)
    {
        v("FBILGISAYARID", self.FBILGISAYARID);
        v("FSEHIR", self.FSEHIR);
        v("FFAX1", self.FFAX1);
        v("FSATICIMAIL", self.FSATICIMAIL);
        v("FSATICIADI", self.FSATICIADI);
        v("FCARIADI", self.FCARIADI);
        v("FEMAIL", self.FEMAIL);
        v("FVERGIDAIRESI", self.FVERGIDAIRESI);
        v("FYETKILI", self.FYETKILI);
        v("FAltGrup", self.FAltGrup);
        v("FTEL2", self.FTEL2);
        v("FSIFRE", self.FSIFRE);
        v("FGSM", self.FGSM);
        v("FTEL1", self.FTEL1);
        v("FADRES2", self.FADRES2);
        v("FTLBORC", self.FTLBORC);
        v("FTLALACAK", self.FTLALACAK);
        v("FADRES1", self.FADRES1);
        v("FULKE", self.FULKE);
        v("FAnaGrup", self.FAnaGrup);
        v("FCARINO", self.FCARINO);
        v("FTLBAKIYE", self.FTLBAKIYE);
        v("FVERGINO", self.FVERGINO);
        v("FMAIL", self.FMAIL);
        v("FOzelKod", self.FOzelKod);
        v("FKULLANICIADI", self.FKULLANICIADI);
        v("FSATICITELEFON", self.FSATICITELEFON);
        v("FCARIKOD", self.FCARIKOD);
        v("FFAX2", self.FFAX2);
        v("FILCE", self.FILCE);
    }

private:
    QString FBILGISAYARID;
    QString FSEHIR;
    QString FFAX1;
    QString FSATICIMAIL;
    QString FSATICIADI;
    QString FCARIADI;
    QString FEMAIL;
    QString FVERGIDAIRESI;
    QString FYETKILI;
    QString FAltGrup;
    QString FTEL2;
    QString FSIFRE;
    QString FGSM;
    QString FTEL1;
    QString FADRES2;
    double FTLBORC = 0;
    double FTLALACAK = 0;
    QString FADRES1;
    QString FULKE;
    QString FAnaGrup;
    int FCARINO = 0;
    double FTLBAKIYE = 0;
    QString FVERGINO;
    QString FMAIL;
    QString FOzelKod;
    QString FKULLANICIADI;
    QString FSATICITELEFON;
    QString FCARIKOD;
    QString FFAX2;
    QString FILCE;
};
// One announcement or opening-advertisement item.
class TAcilisEkran
{
public:
    static constexpr const char *SinifAdi = "mobilstokunit.TAcilisEkran";

    TAcilisEkran() = default;
    bool operator==(const TAcilisEkran &) const = default;

    int SiraNo() const { return FSiraNo; }
    void setSiraNo(int value) { FSiraNo = value; }
    QString Resim() const { return FResim; }
    void setResim(const QString &value) { FResim = value; }
    QString Baslik() const { return FBaslik; }
    void setBaslik(const QString &value) { FBaslik = value; }
    QString Arama() const { return FArama; }
    void setArama(const QString &value) { FArama = value; }

    // Declaration order is the order on the wire.
    template<class Self, class Visitor>
    static void visitFields(Self &self, Visitor &&v)
    {
        v("FSiraNo", self.FSiraNo);
        v("FResim", self.FResim);
        v("FBaslik", self.FBaslik);
        v("FArama", self.FArama);
    }

private:
    int FSiraNo = 0;
    QString FResim;
    QString FBaslik;
    QString FArama;
};
// One stock item; unit "ADET" and 18 % VAT unless told otherwise.
class TMobilStok
{
public:
    static constexpr const char *SinifAdi = "mobilstokunit.TMobilStok";

    TMobilStok() = default;
    void Kopyala(const TMobilStok &kaynak) { *this = kaynak; }
    bool operator==(const TMobilStok &) const = default;

    int StokNo() const { return FStokNo; }
    void setStokNo(int value) { FStokNo = value; }
    int ResimVar() const { return FResimVar; }
    void setResimVar(int value) { FResimVar = value; }
    QString Resim() const { return FResim; }
    void setResim(const QString &value) { FResim = value; }
    int Yeni() const { return FYeni; }
    void setYeni(int value) { FYeni = value; }
    QString Departman() const { return FDepartman; }
    void setDepartman(const QString &value) { FDepartman = value; }
    double VerilenSiparis() const { return FVerilenSiparis; }
    void setVerilenSiparis(double value) { FVerilenSiparis = value; }
    QString AltGrup() const { return FAltGrup; }
    void setAltGrup(const QString &value) { FAltGrup = value; }
    int Durum() const { return FDurum; }
    void setDurum(int value) { FDurum = value; }
    QString Renk() const { return FRenk; }
    void setRenk(const QString &value) { FRenk = value; }
    QString Birim() const { return FBirim; }
    void setBirim(const QString &value) { FBirim = value; }
    double KDV() const { return FKDV; }
    void setKDV(double value) { FKDV = value; }
    double AlinanSiparis() const { return FAlinanSiparis; }
    void setAlinanSiparis(double value) { FAlinanSiparis = value; }
    double Isk2() const { return FIsk2; }
    void setIsk2(double value) { FIsk2 = value; }
    QString AnaGrup() const { return FAnaGrup; }
    void setAnaGrup(const QString &value) { FAnaGrup = value; }
    QString Kod() const { return FKod; }
    void setKod(const QString &value) { FKod = value; }
    double Isk3() const { return FIsk3; }
    void setIsk3(double value) { FIsk3 = value; }
    double ListeFiyati() const { return FListeFiyati; }
    void setListeFiyati(double value) { FListeFiyati = value; }
    QString Beden() const { return FBeden; }
    void setBeden(const QString &value) { FBeden = value; }
    double NetFiyat() const { return FNetFiyat; }
    void setNetFiyat(double value) { FNetFiyat = value; }
    double Isk1() const { return FIsk1; }
    void setIsk1(double value) { FIsk1 = value; }
    double KDVliFiyat() const { return FKDVliFiyat; }
    void setKDVliFiyat(double value) { FKDVliFiyat = value; }
    double Isk4() const { return FIsk4; }
    void setIsk4(double value) { FIsk4 = value; }
    QString OzelKod() const { return FOzelKod; }
    void setOzelKod(const QString &value) { FOzelKod = value; }
    int Kampnayali() const { return FKampnayali; }
    void setKampnayali(int value) { FKampnayali = value; }
    QString Barkod() const { return FBarkod; }
    void setBarkod(const QString &value) { FBarkod = value; }
    double IndirimOran() const { return FIndirimOran; }
    void setIndirimOran(double value) { FIndirimOran = value; }
    double Kalan() const { return FKalan; }
    void setKalan(double value) { FKalan = value; }
    QString UreticiKod() const { return FUreticiKod; }
    void setUreticiKod(const QString &value) { FUreticiKod = value; }
    double KampanyaliFiyat() const { return FKampanyaliFiyat; }
    void setKampanyaliFiyat(double value) { FKampanyaliFiyat = value; }
    QString OemNo() const { return FOemNo; }
    void setOemNo(const QString &value) { FOemNo = value; }
    int BarkodNo() const { return FBarkodNo; }
    void setBarkodNo(int value) { FBarkodNo = value; }
    QString PKod() const { return FPKod; }
    void setPKod(const QString &value) { FPKod = value; }
    QString DpKod() const { return FDpKod; }
    void setDpKod(const QString &value) { FDpKod = value; }
    QString Adi() const { return FAdi; }
    void setAdi(const QString &value) { FAdi = value; }
    double Fiyat() const { return FFiyat; }
    void setFiyat(double value) { FFiyat = value; }

    // Declaration order is the order on the wire.
    template<class Self, class Visitor>
    static void visitFields(Self &self, Visitor &&v)
    {
        v("FStokNo", self.FStokNo);
        v("FResimVar", self.FResimVar);
        v("FResim", self.FResim);
        v("FYeni", self.FYeni);
        v("FDepartman", self.FDepartman);
        v("FVerilenSiparis", self.FVerilenSiparis);
        v("FAltGrup", self.FAltGrup);
        v("FDurum", self.FDurum);
        v("FRenk", self.FRenk);
        v("FBirim", self.FBirim);
        v("FKDV", self.FKDV);
        v("FAlinanSiparis", self.FAlinanSiparis);
        v("FIsk2", self.FIsk2);
        v("FAnaGrup", self.FAnaGrup);
        v("FKod", self.FKod);
        v("FIsk3", self.FIsk3);
        v("FListeFiyati", self.FListeFiyati);
        v("FBeden", self.FBeden);
        v("FNetFiyat", self.FNetFiyat);
        v("FIsk1", self.FIsk1);
        v("FKDVliFiyat", self.FKDVliFiyat);
        v("FIsk4", self.FIsk4);
        v("FOzelKod", self.FOzelKod);
        v("FKampnayali", self.FKampnayali);
        v("FBarkod", self.FBarkod);
        v("FIndirimOran", self.FIndirimOran);
        v("FKalan", self.FKalan);
        v("FUreticiKod", self.FUreticiKod);
        v("FKampanyaliFiyat", self.FKampanyaliFiyat);
        v("FOemNo", self.FOemNo);
        v("FBarkodNo", self.FBarkodNo);
        v("FPKod", self.FPKod);
        v("FDpKod", self.FDpKod);
        v("FAdi", self.FAdi);
        v("FFiyat", self.FFiyat);
    }

private:
    int FStokNo = 0;
    int FResimVar = 0;
    QString FResim;
    int FYeni = 0;
    QString FDepartman;
    double FVerilenSiparis = 0;
    QString FAltGrup;
    int FDurum = 0;
    QString FRenk;
    QString FBirim = QStringLiteral("ADET");
    double FKDV = 18;
    double FAlinanSiparis = 0;
    double FIsk2 = 0;
    QString FAnaGrup;
    QString FKod;
    double FIsk3 = 0;
    double FListeFiyati = 0;
    QString FBeden;
    double FNetFiyat = 0;
    double FIsk1 = 0;
    double FKDVliFiyat = 0;
    double FIsk4 = 0;
    QString FOzelKod;
    int FKampnayali = 0;
    QString FBarkod;
    double FIndirimOran = 0;
    double FKalan = 0;
    QString FUreticiKod;
    double FKampanyaliFiyat = 0;
    QString FOemNo;
    int FBarkodNo = 0;
    QString FPKod;
    QString FDpKod;
    QString FAdi;
    double FFiyat = 0;
};
// One basket line. Dates are date-time numbers (days since 1899-12-30).
class TMobilSepet
{
public:
    static constexpr const char *SinifAdi = "mobilstokunit.TMobilSepet";

    TMobilSepet() = default;
    void Kopyala(const TMobilSepet &kaynak) { *this = kaynak; }
    bool operator==(const TMobilSepet &) const = default;

    int KARGOID() const { return FKARGOID; }
    void setKARGOID(int value) { FKARGOID = value; }
    int StokNo() const { return FStokNo; }
    void setStokNo(int value) { FStokNo = value; }
    double TARIH() const { return FTARIH; }
    void setTARIH(double value) { FTARIH = value; }
    int SIRANO() const { return FSIRANO; }
    void setSIRANO(int value) { FSIRANO = value; }
    QString CARIADI() const { return FCARIADI; }
    void setCARIADI(const QString &value) { FCARIADI = value; }
    double VERILISTARIHI() const { return FVERILISTARIHI; }
    void setVERILISTARIHI(double value) { FVERILISTARIHI = value; }
    int Durum() const { return FDurum; }
    void setDurum(int value) { FDurum = value; }
    double MIKTAR() const { return FMIKTAR; }
    void setMIKTAR(double value) { FMIKTAR = value; }
    int VERENIDNO() const { return FVERENIDNO; }
    void setVERENIDNO(int value) { FVERENIDNO = value; }
    double NETTUTAR() const { return FNETTUTAR; }
    void setNETTUTAR(double value) { FNETTUTAR = value; }
    double KDVLITUTAR() const { return FKDVLITUTAR; }
    void setKDVLITUTAR(double value) { FKDVLITUTAR = value; }
    double KDV() const { return FKDV; }
    void setKDV(double value) { FKDV = value; }
    int AKTAR() const { return FAKTAR; }
    void setAKTAR(int value) { FAKTAR = value; }
    QString SAAT() const { return FSAAT; }
    void setSAAT(const QString &value) { FSAAT = value; }
    double VERGITUTARI() const { return FVERGITUTARI; }
    void setVERGITUTARI(double value) { FVERGITUTARI = value; }
    QString PKod() const { return FPKod; }
    void setPKod(const QString &value) { FPKod = value; }
    QString MODEL() const { return FMODEL; }
    void setMODEL(const QString &value) { FMODEL = value; }
    double INDIRIMTUTAR() const { return FINDIRIMTUTAR; }
    void setINDIRIMTUTAR(double value) { FINDIRIMTUTAR = value; }
    int STOK_STOKNO() const { return FSTOK_STOKNO; }
    void setSTOK_STOKNO(int value) { FSTOK_STOKNO = value; }
    double BIRIMFIYAT() const { return FBIRIMFIYAT; }
    void setBIRIMFIYAT(double value) { FBIRIMFIYAT = value; }
    int SEC() const { return FSEC; }
    void setSEC(int value) { FSEC = value; }
    QString OEM2() const { return FOEM2; }
    void setOEM2(const QString &value) { FOEM2 = value; }
    QString OEM3() const { return FOEM3; }
    void setOEM3(const QString &value) { FOEM3 = value; }
    QString AnaGrup() const { return FAnaGrup; }
    void setAnaGrup(const QString &value) { FAnaGrup = value; }
    QString MARKA() const { return FMARKA; }
    void setMARKA(const QString &value) { FMARKA = value; }
    QString VEREN() const { return FVEREN; }
    void setVEREN(const QString &value) { FVEREN = value; }
    QString STOKADI() const { return FSTOKADI; }
    void setSTOKADI(const QString &value) { FSTOKADI = value; }
    QString OEM1() const { return FOEM1; }
    void setOEM1(const QString &value) { FOEM1 = value; }
    int CARINO() const { return FCARINO; }
    void setCARINO(int value) { FCARINO = value; }
    int VERENSIRANO() const { return FVERENSIRANO; }
    void setVERENSIRANO(int value) { FVERENSIRANO = value; }
    int ACIKLAMA() const { return FACIKLAMA; }
    void setACIKLAMA(int value) { FACIKLAMA = value; }
    double INDIRIMORANI2() const { return FINDIRIMORANI2; }
    void setINDIRIMORANI2(double value) { FINDIRIMORANI2 = value; }
    QString OEM4() const { return FOEM4; }
    void setOEM4(const QString &value) { FOEM4 = value; }
    QString KUR() const { return FKUR; }
    void setKUR(const QString &value) { FKUR = value; }
    double INDIRIMORANI3() const { return FINDIRIMORANI3; }
    void setINDIRIMORANI3(double value) { FINDIRIMORANI3 = value; }
    int SIPARISNO() const { return FSIPARISNO; }
    void setSIPARISNO(int value) { FSIPARISNO = value; }
    double IDNO() const { return FIDNO; }
    void setIDNO(double value) { FIDNO = value; }
    QString OzelKod() const { return FOzelKod; }
    void setOzelKod(const QString &value) { FOzelKod = value; }
    QString DpKod() const { return FDpKod; }
    void setDpKod(const QString &value) { FDpKod = value; }
    double KURTL() const { return FKURTL; }
    void setKURTL(double value) { FKURTL = value; }
    double INDIRIMORANI1() const { return FINDIRIMORANI1; }
    void setINDIRIMORANI1(double value) { FINDIRIMORANI1 = value; }
    QString DIGERADI() const { return FDIGERADI; }
    void setDIGERADI(const QString &value) { FDIGERADI = value; }
    QString Barkod() const { return FBarkod; }
    void setBarkod(const QString &value) { FBarkod = value; }
    double TUTAR() const { return FTUTAR; }
    void setTUTAR(double value) { FTUTAR = value; }
    QString URETICIKODU() const { return FURETICIKODU; }
    void setURETICIKODU(const QString &value) { FURETICIKODU = value; }
    double Kalan() const { return FKalan; }
    void setKalan(double value) { FKalan = value; }
    QString FINISHKOD() const { return FFINISHKOD; }
    void setFINISHKOD(const QString &value) { FFINISHKOD = value; }
    QString CARIKOD() const { return FCARIKOD; }
    void setCARIKOD(const QString &value) { FCARIKOD = value; }
    double NETBIRIMFIYAT() const { return FNETBIRIMFIYAT; }
    void setNETBIRIMFIYAT(double value) { FNETBIRIMFIYAT = value; }
    QString OemNo() const { return FOemNo; }
    void setOemNo(const QString &value) { FOemNo = value; }
    int TESLIMID() const { return FTESLIMID; }
    void setTESLIMID(int value) { FTESLIMID = value; }
    int ResimVar() const { return FResimVar; }
    void setResimVar(int value) { FResimVar = value; }
    QString Resim() const { return FResim; }
    void setResim(const QString &value) { FResim = value; }

    // Declaration order is the order on the wire.
    template<class Self, class Visitor>
    static void visitFields(Self &self, Visitor &&v)
    {
        v("FKARGOID", self.FKARGOID);
        v("FStokNo", self.FStokNo);
        v("FTARIH", self.FTARIH);
        v("FSIRANO", self.FSIRANO);
        v("FCARIADI", self.FCARIADI);
        v("FVERILISTARIHI", self.FVERILISTARIHI);
        v("FDurum", self.FDurum);
        v("FMIKTAR", self.FMIKTAR);
        v("FVERENIDNO", self.FVERENIDNO);
        v("FNETTUTAR", self.FNETTUTAR);
        v("FKDVLITUTAR", self.FKDVLITUTAR);
        v("FKDV", self.FKDV);
        v("FAKTAR", self.FAKTAR);
        v("FSAAT", self.FSAAT);
        v("FVERGITUTARI", self.FVERGITUTARI);
        v("FPKod", self.FPKod);
        v("FMODEL", self.FMODEL);
        v("FINDIRIMTUTAR", self.FINDIRIMTUTAR);
        v("FSTOK_STOKNO", self.FSTOK_STOKNO);
        v("FBIRIMFIYAT", self.FBIRIMFIYAT);
        v("FSEC", self.FSEC);
        v("FOEM2", self.FOEM2);
        v("FOEM3", self.FOEM3);
        v("FAnaGrup", self.FAnaGrup);
        v("FMARKA", self.FMARKA);
        v("FVEREN", self.FVEREN);
        v("FSTOKADI", self.FSTOKADI);
        v("FOEM1", self.FOEM1);
        v("FCARINO", self.FCARINO);
        v("FVERENSIRANO", self.FVERENSIRANO);
        v("FACIKLAMA", self.FACIKLAMA);
        v("FINDIRIMORANI2", self.FINDIRIMORANI2);
        v("FOEM4", self.FOEM4);
        v("FKUR", self.FKUR);
        v("FINDIRIMORANI3", self.FINDIRIMORANI3);
        v("FSIPARISNO", self.FSIPARISNO);
        v("FIDNO", self.FIDNO);
        v("FOzelKod", self.FOzelKod);
        v("FDpKod", self.FDpKod);
        v("FKURTL", self.FKURTL);
        v("FINDIRIMORANI1", self.FINDIRIMORANI1);
        v("FDIGERADI", self.FDIGERADI);
        v("FBarkod", self.FBarkod);
        v("FTUTAR", self.FTUTAR);
        v("FURETICIKODU", self.FURETICIKODU);
        v("FKalan", self.FKalan);
        v("FFINISHKOD", self.FFINISHKOD);
        v("FCARIKOD", self.FCARIKOD);
        v("FNETBIRIMFIYAT", self.FNETBIRIMFIYAT);
        v("FOemNo", self.FOemNo);
        v("FTESLIMID", self.FTESLIMID);
        v("FResimVar", self.FResimVar);
        v("FResim", self.FResim);
    }

private:
    int FKARGOID = 0;
    int FStokNo = 0;
    double FTARIH = 0;
    int FSIRANO = 0;
    QString FCARIADI;
    double FVERILISTARIHI = 0;
    int FDurum = 0;
    double FMIKTAR = 0;
    int FVERENIDNO = 0;
    double FNETTUTAR = 0;
    double FKDVLITUTAR = 0;
    double FKDV = 0;
    int FAKTAR = 0;
    QString FSAAT;
    double FVERGITUTARI = 0;
    QString FPKod;
    QString FMODEL;
    double FINDIRIMTUTAR = 0;
    int FSTOK_STOKNO = 0;
    double FBIRIMFIYAT = 0;
    int FSEC = 0;
    QString FOEM2;
    QString FOEM3;
    QString FAnaGrup;
    QString FMARKA;
    QString FVEREN;
    QString FSTOKADI;
    QString FOEM1;
    int FCARINO = 0;
    int FVERENSIRANO = 0;
    int FACIKLAMA = 0;
    double FINDIRIMORANI2 = 0;
    QString FOEM4;
    QString FKUR;
    double FINDIRIMORANI3 = 0;
    int FSIPARISNO = 0;
    double FIDNO = 0;
    QString FOzelKod;
    QString FDpKod;
    double FKURTL = 0;
    double FINDIRIMORANI1 = 0;
    QString FDIGERADI;
    QString FBarkod;
    double FTUTAR = 0;
    QString FURETICIKODU;
    double FKalan = 0;
    QString FFINISHKOD;
    QString FCARIKOD;
    double FNETBIRIMFIYAT = 0;
    QString FOemNo;
    int FTESLIMID = 0;
    int FResimVar = 0;
    QString FResim;
};
// All announcement items; an empty array is no items.
class TAcilisEkranlariki
{
public:
    static constexpr const char *SinifAdi = "mobilstokunit.TAcilisEkranlariki";

    TAcilisEkranlariki() = default;
    bool operator==(const TAcilisEkranlariki &) const = default;

    const std::vector<TAcilisEkran> &Ekranlar() const { return FEkranlar; }
    void setEkranlar(std::vector<TAcilisEkran> value) { FEkranlar = std::move(value); }

    template<class Self, class Visitor>
    static void visitFields(Self &self, Visitor &&v)
    {
        v("FEkranlar", self.FEkranlar);
    }

private:
    std::vector<TAcilisEkran> FEkranlar;
};

// Owned list of announcement items; travels as its "FItems" array.
class TAcilisEkranlar
{
public:
    static constexpr const char *SinifAdi = "mobilstokunit.TAcilisEkranlar";

    TAcilisEkranlar() = default;
    bool operator==(const TAcilisEkranlar &) const = default;

    const std::vector<TAcilisEkran> &Items() const { return FItems; }
    void setItems(std::vector<TAcilisEkran> value) { FItems = std::move(value); }

    template<class Self, class Visitor>
    static void visitFields(Self &self, Visitor &&v)
    {
        v("FItems", self.FItems);
    }

private:
    std::vector<TAcilisEkran> FItems;
};

// Owned list of stock items; travels as its "FItems" array.
class TMobilStoklar
{
public:
    static constexpr const char *SinifAdi = "mobilstokunit.TMobilStoklar";

    TMobilStoklar() = default;
    bool operator==(const TMobilStoklar &) const = default;

    const std::vector<TMobilStok> &Items() const { return FItems; }
    void setItems(std::vector<TMobilStok> value) { FItems = std::move(value); }

    template<class Self, class Visitor>
    static void visitFields(Self &self, Visitor &&v)
    {
        v("FItems", self.FItems);
    }

private:
    std::vector<TMobilStok> FItems;
};

// Owned list of basket lines; travels as its "FItems" array.
class TMobilSepetler
{
public:
    static constexpr const char *SinifAdi = "mobilstokunit.TMobilSepetler";

    TMobilSepetler() = default;
    bool operator==(const TMobilSepetler &) const = default;

    const std::vector<TMobilSepet> &Items() const { return FItems; }
    void setItems(std::vector<TMobilSepet> value) { FItems = std::move(value); }

    template<class Self, class Visitor>
    static void visitFields(Self &self, Visitor &&v)
    {
        v("FItems", self.FItems);
    }

private:
    std::vector<TMobilSepet> FItems;
};
