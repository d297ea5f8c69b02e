#pragma once

// Unit baglantiu: the session record and the small result objects.
// Plain values: copy them freely. visitFields() lets platform/dbx/jsonmarshal.h write and read
// them in the marshalled form, e.g. TJSONMarshal::marshal(bilgi) / TJSONUnMarshal::unmarshal<T>(json).

#include <QString>

// Who works, on which computer, for which customer account. A fresh record has user type 1, version 1.
class TSonucBilgisi
{
public:
    static constexpr const char *SinifAdi = "baglantiu.TSonucBilgisi";

    TSonucBilgisi() = default;
    void Kopyala(const TSonucBilgisi &kaynak) { *this = kaynak; }
    bool operator==(const TSonucBilgisi &) const = default;

    QString BILGISAYARID() const { return FBILGISAYARID; }
    void setBILGISAYARID(const QString &value) { FBILGISAYARID = value; }
    QString SaticiMail() const { return FSaticiMail; }
    void setSaticiMail(const QString &value) { FSaticiMail = value; }
    int Sirano() const { return FSirano; }
    void setSirano(int value) { FSirano = value; }
    QString CariAdi() const { return FCariAdi; }
    void setCariAdi(const QString &value) { FCariAdi = value; }
    QString SIFRE() const { return FSIFRE; }
    void setSIFRE(const QString &value) { FSIFRE = value; }
    int SaticiNo() const { return FSaticiNo; }
    void setSaticiNo(int value) { FSaticiNo = value; }
    int CARINO() const { return FCARINO; }
    void setCARINO(int value) { FCARINO = value; }
    int AKTIF() const { return FAKTIF; }
    void setAKTIF(int value) { FAKTIF = value; }
    QString Kullanicimail() const { return FKullanicimail; }
    void setKullanicimail(const QString &value) { FKullanicimail = value; }
    QString ADI() const { return FADI; }
    void setADI(const QString &value) { FADI = value; }
    QString SaticiTelefon() const { return FSaticiTelefon; }
    void setSaticiTelefon(const QString &value) { FSaticiTelefon = value; }
    QString carikod() const { return Fcarikod; }
    void setcarikod(const QString &value) { Fcarikod = value; }
    bool Varmi() const { return FVarmi; }
    void setVarmi(bool value) { FVarmi = value; }
    QString SaticiAdi() const { return FSaticiAdi; }
    void setSaticiAdi(const QString &value) { FSaticiAdi = value; }
    QString BilgiSayarAdi() const { return FBilgiSayarAdi; }
    void setBilgiSayarAdi(const QString &value) { FBilgiSayarAdi = value; }
    QString Disip() const { return FDisip; }
    void setDisip(const QString &value) { FDisip = value; }
    QString Icip() const { return FIcip; }
    void setIcip(const QString &value) { FIcip = value; }
    QString BilgisayarKullanici() const { return FBilgisayarKullanici; }
    void setBilgisayarKullanici(const QString &value) { FBilgisayarKullanici = value; }
    int MusteriTipi() const { return FMusteriTipi; }
    void setMusteriTipi(int value) { FMusteriTipi = value; }
    int Version() const { return FVersion; }
    void setVersion(int value) { FVersion = value; }

    // Declaration order is the order on the wire.
    template<class Self, class Visitor>
    static void visitFields(Self &self, Visitor &&v)
    {
        v("FBILGISAYARID", self.FBILGISAYARID);
        v("FSaticiMail", self.FSaticiMail);
        v("FSirano", self.FSirano);
        v("FCariAdi", self.FCariAdi);
        v("FSIFRE", self.FSIFRE);
        v("FSaticiNo", self.FSaticiNo);
        v("FCARINO", self.FCARINO);
        v("FAKTIF", self.FAKTIF);
        v("FKullanicimail", self.FKullanicimail);
        v("FADI", self.FADI);
        v("FSaticiTelefon", self.FSaticiTelefon);
        v("Fcarikod", self.Fcarikod);
        v("FVarmi", self.FVarmi);
        v("FSaticiAdi", self.FSaticiAdi);
        v("FBilgiSayarAdi", self.FBilgiSayarAdi);
        v("FDisip", self.FDisip);
        v("FIcip", self.FIcip);
        v("FBilgisayarKullanici", self.FBilgisayarKullanici);
        v("FMusteriTipi", self.FMusteriTipi);
        v("FVersion", self.FVersion);
    }

private:
    QString FBILGISAYARID;
    QString FSaticiMail;
    int FSirano = 0;
    QString FCariAdi;
    QString FSIFRE;
    int FSaticiNo = 0;
    int FCARINO = 0;
    int FAKTIF = 0;
    QString FKullanicimail;
    QString FADI;
    QString FSaticiTelefon;
    QString Fcarikod;
    bool FVarmi = false;
    QString FSaticiAdi;
    QString FBilgiSayarAdi;
    QString FDisip;
    QString FIcip;
    QString FBilgisayarKullanici;
    int FMusteriTipi = 1;
    int FVersion = 1;
};
// The footer details of one order.
class TSiparisDipAyrinti
{
public:
    static constexpr const char *SinifAdi = "baglantiu.TSiparisDipAyrinti";

    TSiparisDipAyrinti() = default;
    void Kopyala(const TSiparisDipAyrinti &kaynak) { *this = kaynak; }
    bool operator==(const TSiparisDipAyrinti &) const = default;

    QString SizinMesaj() const { return FSizinMesaj; }
    void setSizinMesaj(const QString &value) { FSizinMesaj = value; }
    QString Durumu() const { return FDurumu; }
    void setDurumu(const QString &value) { FDurumu = value; }
    QString Veren() const { return FVeren; }
    void setVeren(const QString &value) { FVeren = value; }
    QString Kargo() const { return FKargo; }
    void setKargo(const QString &value) { FKargo = value; }
    QString BizimMesaj() const { return FBizimMesaj; }
    void setBizimMesaj(const QString &value) { FBizimMesaj = value; }
    QString TeslimCinsi() const { return FTeslimCinsi; }
    void setTeslimCinsi(const QString &value) { FTeslimCinsi = value; }
    QString KargoCinsi() const { return FKargoCinsi; }
    void setKargoCinsi(const QString &value) { FKargoCinsi = value; }
    QString SaticiNotu() const { return FSaticiNotu; }
    void setSaticiNotu(const QString &value) { FSaticiNotu = value; }

    // Declaration order is the order on the wire.
    template<class Self, class Visitor>
    static void visitFields(Self &self, Visitor &&v)
    {
        v("FSizinMesaj", self.FSizinMesaj);
        v("FDurumu", self.FDurumu);
        v("FVeren", self.FVeren);
        v("FKargo", self.FKargo);
        v("FBizimMesaj", self.FBizimMesaj);
        v("FTeslimCinsi", self.FTeslimCinsi);
        v("FKargoCinsi", self.FKargoCinsi);
        v("FSaticiNotu", self.FSaticiNotu);
    }

private:
    QString FSizinMesaj;
    QString FDurumu;
    QString FVeren;
    QString FKargo;
    QString FBizimMesaj;
    QString FTeslimCinsi;
    QString FKargoCinsi;
    QString FSaticiNotu;
};
// Order-state counters behind the sales staff's status buttons.
class TTusSonuclari
{
public:
    static constexpr const char *SinifAdi = "baglantiu.TTusSonuclari";

    TTusSonuclari() = default;
    void Kopyala(const TTusSonuclari &kaynak) { *this = kaynak; }
    bool operator==(const TTusSonuclari &) const = default;

    int Alindi() const { return FAlindi; }
    void setAlindi(int value) { FAlindi = value; }
    int Onaylandi() const { return FOnaylandi; }
    void setOnaylandi(int value) { FOnaylandi = value; }
    int ParcaliHazirlandi() const { return FParcaliHazirlandi; }
    void setParcaliHazirlandi(int value) { FParcaliHazirlandi = value; }
    int SevkEdildi() const { return FSevkEdildi; }
    void setSevkEdildi(int value) { FSevkEdildi = value; }
    int Hazirlandi() const { return FHazirlandi; }
    void setHazirlandi(int value) { FHazirlandi = value; }
    int Goruldu() const { return FGoruldu; }
    void setGoruldu(int value) { FGoruldu = value; }

    // Declaration order is the order on the wire.
    template<class Self, class Visitor>
    static void visitFields(Self &self, Visitor &&v)
    {
        v("FAlindi", self.FAlindi);
        v("FOnaylandi", self.FOnaylandi);
        v("FParcaliHazirlandi", self.FParcaliHazirlandi);
        v("FSevkEdildi", self.FSevkEdildi);
        v("FHazirlandi", self.FHazirlandi);
        v("FGoruldu", self.FGoruldu);
    }

private:
    int FAlindi = 0;
    int FOnaylandi = 0;
    int FParcaliHazirlandi = 0;
    int FSevkEdildi = 0;
    int FHazirlandi = 0;
    int FGoruldu = 0;
};
