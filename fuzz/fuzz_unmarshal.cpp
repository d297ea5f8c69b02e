// The unmarshaller of transfer objects: any JSON text either yields an object of a registered class
// or raises one of our exceptions. What it yields is the same whichever way it is asked for (by the
// registry or by its class), and marshals and unmarshals back to itself.

#include "fuzz/fuzzcheck.h"
#include "platform/dbx/jsonmarshal.h"
#include "platform/dbx/jsontext.h"
#include "server/baglantiu.h"
#include "server/mobilstokunit.h"
#include "server/transferclasses.h"

#include <any>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Equal but for doubles a few units in the last place apart.
bool sameJson(const boost::json::value &a, const boost::json::value &b)
{
    if (a.is_double() && b.is_double())
        return closeDoubles(a.get_double(), b.get_double());
    if (a.kind() != b.kind())
        return false;
    if (a.is_array()) {
        const auto &x = a.get_array(), &y = b.get_array();
        if (x.size() != y.size())
            return false;
        for (size_t i = 0; i < x.size(); ++i) {
            if (!sameJson(x[i], y[i]))
                return false;
        }
        return true;
    }
    if (a.is_object()) {
        const auto &x = a.get_object(), &y = b.get_object();
        if (x.size() != y.size())
            return false;
        for (auto i = x.begin(), j = y.begin(); i != x.end(); ++i, ++j) {
            if (i->key() != j->key() || !sameJson(i->value(), j->value()))
                return false;
        }
        return true;
    }
    return a == b;
}

// Returns whether `any` holds a T; checks the typed reading agrees with it.
template<class T>
bool checkClass(const boost::json::value &json, const std::any &any, bool anyRead)
{
    const T *byRegistry = anyRead ? std::any_cast<T>(&any) : nullptr;
    std::optional<T> typed;
    try {
        typed = TJSONUnMarshal::unmarshal<T>(json);
    } catch (const EJsonError &) {
    }
    FUZZ_CHECK(bool(byRegistry) == bool(typed), QStringLiteral("%1: registry %2, typed %3")
                                                    .arg(QLatin1String(T::SinifAdi))
                                                    .arg(bool(byRegistry))
                                                    .arg(bool(typed)));
    if (!typed)
        return false;
    FUZZ_CHECK(*byRegistry == *typed, QLatin1String(T::SinifAdi));

    const boost::json::value again = TJSONMarshal::marshal(*typed);
    FUZZ_CHECK(TJSONUnMarshal::unmarshal<T>(again) == *typed, QString::fromStdString(jsonText(again)));
    // Through the text as well, as it travels.
    const std::string text = jsonText(again);
    const T fromText = TJSONUnMarshal::unmarshal<T>(parseJsonText(text, "The object"));
    FUZZ_CHECK(sameJson(TJSONMarshal::marshal(fromText), again), QString::fromStdString(text));
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    registerTransferClasses();
    boost::json::value json;
    try {
        json = parseJsonText(std::string_view(reinterpret_cast<const char *>(data), size), "The object");
    } catch (const EDBXError &) {
        return 0;
    }

    std::any any;
    bool anyRead = false;
    try {
        any = TJSONUnMarshal::unmarshalAny(json);
        anyRead = true;
    } catch (const EJsonError &) {
    }

    int classes = 0;
    classes += checkClass<TSonucBilgisi>(json, any, anyRead);
    classes += checkClass<TSiparisDipAyrinti>(json, any, anyRead);
    classes += checkClass<TTusSonuclari>(json, any, anyRead);
    classes += checkClass<TMobilCariBilgisi>(json, any, anyRead);
    classes += checkClass<TAcilisEkran>(json, any, anyRead);
    classes += checkClass<TAcilisEkranlariki>(json, any, anyRead);
    classes += checkClass<TAcilisEkranlar>(json, any, anyRead);
    classes += checkClass<TMobilStok>(json, any, anyRead);
    classes += checkClass<TMobilStoklar>(json, any, anyRead);
    classes += checkClass<TMobilSepet>(json, any, anyRead);
    classes += checkClass<TMobilSepetler>(json, any, anyRead);
    // Every registered class is one of the above: what the registry read, one of them read too.
    FUZZ_CHECK(classes == (anyRead ? 1 : 0), QStringLiteral("%1 classes read the object").arg(classes));
    return 0;
}
