#pragma once

// Marshalled objects: {"type":"<unit>.<class>","id":n,"fields":{"F...":...}} with ids numbered
// from 1 depth-first, and {"type":...,"ref":n} for an object already written in the same value.
//
// A marshallable class T has
//   static constexpr const char *SinifAdi = "unit.TClass";
//   template<class Self, class Visitor> static void visitFields(Self &self, Visitor &&v);  // v("FName",
//   field)
// Fields may be QString, int, double, bool, std::vector<U> and std::optional<U> (U marshallable or scalar).
//
//   boost::json::value v = TJSONMarshal::marshal(bilgi);
//   TSonucBilgisi b = TJSONUnMarshal::unmarshal<TSonucBilgisi>(v);          // raises EJsonError
//   std::optional<TAcilisEkran> e = TJSONUnMarshal::unmarshalOptional<TAcilisEkran>(v);  // null → nullopt
//   std::any any = TJSONUnMarshal::unmarshalAny(v);  // by the registry (TJSONRegistry::add<T>())

#include "platform/dbx/jsontext.h"
#include "platform/system/exception.h"

#include <boost/json.hpp>

#include <QString>

#include <any>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

template<class T>
concept Marshallable = requires
{
    T::SinifAdi;
};

class TJSONUnMarshal;

// The classes an unmarshaller knows by their "type" name.
class TJSONRegistry
{
public:
    using Factory = std::function<std::any(TJSONUnMarshal &, const boost::json::object &)>;

    template<Marshallable T>
    static void add();
    static bool contains(const std::string &type);
    static Factory factory(const std::string &type);

private:
    static void addFactory(const std::string &type, Factory factory);
};

class TJSONMarshal
{
public:
    template<Marshallable T>
    static boost::json::value marshal(const T &object)
    {
        TJSONMarshal marshaller;
        return marshaller.write(object);
    }
    template<Marshallable T>
    static boost::json::value marshal(const std::optional<T> &object)
    {
        return object ? marshal(*object) : boost::json::value(nullptr);
    }

private:
    template<Marshallable T>
    boost::json::value write(const T &object)
    {
        TJSONRegistry::add<T>();
        boost::json::object result;
        result["type"] = T::SinifAdi;
        result["id"] = m_nextId++;
        boost::json::object fields;
        T::visitFields(object,
                       [&](const char *name, const auto &field) { fields[name] = writeValue(field); });
        result["fields"] = std::move(fields);
        return result;
    }

    template<class V>
    boost::json::value writeValue(const V &value)
    {
        if constexpr (std::is_same_v<V, QString>) {
            const QByteArray utf8 = value.toUtf8();
            return boost::json::string(boost::json::string_view(utf8.constData(), size_t(utf8.size())));
        } else if constexpr (std::is_same_v<V, bool>) {
            return value;
        } else if constexpr (std::is_same_v<V, int> || std::is_same_v<V, double> ||
                             std::is_same_v<V, qint64>) {
            return value;
        } else if constexpr (Marshallable<V>) {
            return write(value);
        } else {
            return writeContainer(value);
        }
    }
    template<class U>
    boost::json::value writeContainer(const std::vector<U> &items)
    {
        boost::json::array array;
        array.reserve(items.size());
        for (const U &item : items)
            array.push_back(writeValue(item));
        return array;
    }
    template<class U>
    boost::json::value writeContainer(const std::optional<U> &item)
    {
        return item ? writeValue(*item) : boost::json::value(nullptr);
    }

    int m_nextId = 1;
};

class TJSONUnMarshal
{
public:
    // Raises EJsonError for null, an unknown class, another class than T, an unknown member or a
    // value of the wrong JSON type. Members absent from "fields" keep T's constructor default.
    template<Marshallable T>
    static T unmarshal(const boost::json::value &json)
    {
        TJSONUnMarshal reader;
        return reader.read<T>(json, T::SinifAdi);
    }
    template<Marshallable T>
    static std::optional<T> unmarshalOptional(const boost::json::value &json)
    {
        if (json.is_null())
            return std::nullopt;
        return unmarshal<T>(json);
    }
    // Any registered class; the std::any holds a T.
    static std::any unmarshalAny(const boost::json::value &json);

    template<Marshallable T>
    T readObject(const boost::json::object &object, const std::string &type)
    {
        T result;
        const boost::json::value *fieldsValue = object.if_contains("fields");
        if (!fieldsValue || !fieldsValue->is_object())
            fail(QStringLiteral("%1 has no \"fields\" object").arg(QLatin1String(type.c_str())));
        const boost::json::object &fields = fieldsValue->get_object();
        size_t matched = 0;
        T::visitFields(result, [&](const char *name, auto &field) {
            if (const boost::json::value *v = fields.if_contains(name)) {
                ++matched;
                readValue(field, *v, type, name);
            }
        });
        if (matched != fields.size()) {
            for (const auto &member : fields) {
                bool known = false;
                T::visitFields(
                    result, [&](const char *name, const auto &) { known = known || member.key() == name; });
                if (!known)
                    fail(QStringLiteral("%1 has no field %2")
                             .arg(QLatin1String(type.c_str()),
                                  QString::fromUtf8(member.key().data(), qsizetype(member.key().size()))));
            }
        }
        return result;
    }

private:
    [[noreturn]] static void fail(const QString &message) { throw EJsonError(message); }

    // Checks the envelope, follows "ref", remembers what was read under its id.
    template<Marshallable T>
    T read(const boost::json::value &json, const std::string &expected)
    {
        TJSONRegistry::add<T>();
        const boost::json::object &object = envelope(json, expected);
        if (const auto *ref = object.if_contains("ref")) {
            const std::any &earlier = lookup(*ref);
            if (const T *t = std::any_cast<T>(&earlier))
                return *t;
            fail(QStringLiteral("Reference %1 names an object of another class").arg(ref->get_int64()));
        }
        const std::int64_t id = objectId(object);
        T result = readObject<T>(object, expected);
        m_objects[id] = result;
        return result;
    }

    const boost::json::object &envelope(const boost::json::value &json, const std::string &expected);
    std::int64_t objectId(const boost::json::object &object);
    const std::any &lookup(const boost::json::value &ref);

    [[noreturn]] static void wrongKind(const std::string &type, const char *field, const char *expected,
                                       const boost::json::value &v)
    {
        fail(QStringLiteral("%1.%2: %3 expected, got %4")
                 .arg(QLatin1String(type.c_str()), QLatin1String(field), QLatin1String(expected),
                      QLatin1String(jsonKindName(v))));
    }

    template<class V>
    void readValue(V &field, const boost::json::value &v, const std::string &type, const char *name)
    {
        if constexpr (std::is_same_v<V, QString>) {
            if (!v.is_string())
                wrongKind(type, name, "string", v);
            field = jsonString(v.get_string());
        } else if constexpr (std::is_same_v<V, bool>) {
            if (!v.is_bool())
                wrongKind(type, name, "boolean", v);
            field = v.get_bool();
        } else if constexpr (std::is_same_v<V, int>) {
            if (!v.is_int64() || v.get_int64() < std::numeric_limits<int>::min() ||
                v.get_int64() > std::numeric_limits<int>::max())
                wrongKind(type, name, "32-bit integer", v);
            field = int(v.get_int64());
        } else if constexpr (std::is_same_v<V, qint64>) {
            if (!v.is_int64())
                wrongKind(type, name, "64-bit integer", v);
            field = v.get_int64();
        } else if constexpr (std::is_same_v<V, double>) {
            if (v.is_double()) {
                // The parser reads a number beyond the double range as an infinity.
                if (!std::isfinite(v.get_double()))
                    fail(QStringLiteral("%1.%2: number out of range")
                             .arg(QLatin1String(type.c_str()), QLatin1String(name)));
                field = v.get_double();
            } else if (v.is_int64())
                field = double(v.get_int64());
            else if (v.is_uint64())
                field = double(v.get_uint64());
            else
                wrongKind(type, name, "number", v);
        } else if constexpr (Marshallable<V>) {
            if (v.is_null())
                wrongKind(type, name, "object", v);
            field = read<V>(v, V::SinifAdi);
        } else {
            readContainer(field, v, type, name);
        }
    }
    template<class U>
    void readContainer(std::vector<U> &items, const boost::json::value &v, const std::string &type,
                       const char *name)
    {
        if (!v.is_array())
            wrongKind(type, name, "array", v);
        items.clear();
        items.reserve(v.get_array().size());
        for (const auto &element : v.get_array()) {
            U item{};
            readValue(item, element, type, name);
            items.push_back(std::move(item));
        }
    }
    template<class U>
    void readContainer(std::optional<U> &item, const boost::json::value &v, const std::string &type,
                       const char *name)
    {
        if (v.is_null()) {
            item.reset();
            return;
        }
        U value{};
        readValue(value, v, type, name);
        item = std::move(value);
    }

    std::map<std::int64_t, std::any> m_objects;
};

template<Marshallable T>
void TJSONRegistry::add()
{
    static std::once_flag once;
    std::call_once(once, [] {
        addFactory(T::SinifAdi, [](TJSONUnMarshal &reader, const boost::json::object &object) -> std::any {
            return reader.readObject<T>(object, T::SinifAdi);
        });
    });
}
