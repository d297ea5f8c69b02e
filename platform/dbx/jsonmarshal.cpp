#include "platform/dbx/jsonmarshal.h"

namespace {

std::mutex &registryMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, TJSONRegistry::Factory> &registry()
{
    static std::map<std::string, TJSONRegistry::Factory> classes;
    return classes;
}

} // namespace

void TJSONRegistry::addFactory(const std::string &type, Factory factory)
{
    std::lock_guard lock(registryMutex());
    registry().emplace(type, std::move(factory));
}

bool TJSONRegistry::contains(const std::string &type)
{
    std::lock_guard lock(registryMutex());
    return registry().count(type) != 0;
}

TJSONRegistry::Factory TJSONRegistry::factory(const std::string &type)
{
    std::lock_guard lock(registryMutex());
    auto it = registry().find(type);
    return it == registry().end() ? Factory() : it->second;
}

const boost::json::object &TJSONUnMarshal::envelope(const boost::json::value &json,
                                                    const std::string &expected)
{
    const boost::json::object *object = json.if_object();
    if (!object)
        fail(QStringLiteral("A marshalled object expected, got %1").arg(QLatin1String(jsonKindName(json))));
    const boost::json::value *type = object->if_contains("type");
    if (!type || !type->is_string())
        fail(QStringLiteral("The marshalled object has no \"type\""));
    const std::string name(type->get_string());
    if (!TJSONRegistry::contains(name))
        fail(QStringLiteral("Unknown class %1").arg(QString::fromStdString(name)));
    if (!expected.empty() && name != expected)
        fail(QStringLiteral("%1 received where %2 was expected")
                 .arg(QString::fromStdString(name), QString::fromStdString(expected)));
    return *object;
}

std::int64_t TJSONUnMarshal::objectId(const boost::json::object &object)
{
    const boost::json::value *id = object.if_contains("id");
    if (!id || !id->is_int64())
        fail(QStringLiteral("The marshalled object has no numeric \"id\""));
    if (m_objects.count(id->get_int64()))
        fail(QStringLiteral("The id %1 is used twice").arg(id->get_int64()));
    return id->get_int64();
}

const std::any &TJSONUnMarshal::lookup(const boost::json::value &ref)
{
    if (!ref.is_int64())
        fail(QStringLiteral("\"ref\" must be a number"));
    auto it = m_objects.find(ref.get_int64());
    // Refs point back to a finished object; one still being read would be a cycle a value cannot hold.
    if (it == m_objects.end())
        fail(QStringLiteral("\"ref\" %1 names no earlier object").arg(ref.get_int64()));
    return it->second;
}

std::any TJSONUnMarshal::unmarshalAny(const boost::json::value &json)
{
    TJSONUnMarshal reader;
    const boost::json::object &object = reader.envelope(json, {});
    const std::string type(object.at("type").get_string());
    if (object.contains("ref"))
        fail(QStringLiteral("A reference cannot stand alone"));
    reader.objectId(object);
    return TJSONRegistry::factory(type)(reader, object);
}
