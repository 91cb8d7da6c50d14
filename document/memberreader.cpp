#include "memberreader.h"

#include "gamekeys.h"

namespace ornal {

MemberReader::MemberReader(const Json& object, std::string path)
    : m_object(object)
    , m_path(std::move(path))
{
}

std::string MemberReader::pathOf(const char* key) const
{
    return MemberPath(m_path, key);
}

bool MemberReader::has(const char* key) const
{
    return m_object.contains(key);
}

MemberReader::Problem MemberReader::find(const char* key, const Json*& out) const
{
    const auto it = m_object.find(key);
    if (it == m_object.end()) {
        return "il manque " + Quoted(pathOf(key));
    }
    out = &*it;
    return std::nullopt;
}

MemberReader::Problem MemberReader::text(const char* key, std::string& out) const
{
    const Json* value = nullptr;
    if (Problem problem = find(key, value)) {
        return problem;
    }
    return TextOf(*value, pathOf(key), out);
}

MemberReader::Problem MemberReader::object(const char* key, const Json*& out) const
{
    if (Problem problem = find(key, out)) {
        return problem;
    }
    if (!out->is_object()) {
        return Quoted(pathOf(key)) + " doit être un objet";
    }
    return std::nullopt;
}

MemberReader::Problem MemberReader::array(const char* key, std::size_t count, const Json*& out) const
{
    if (Problem problem = find(key, out)) {
        return problem;
    }
    if (!out->is_array()) {
        return Quoted(pathOf(key)) + " doit être une liste";
    }
    if (count != 0 && out->size() != count) {
        return Quoted(pathOf(key)) + " doit compter " + std::to_string(count) + " éléments";
    }
    return std::nullopt;
}

MemberReader::Problem MemberReader::TextOf(const Json& value, const std::string& path, std::string& out)
{
    if (!value.is_string()) {
        return Quoted(path) + " doit être un texte";
    }
    out = value.get_ref<const std::string&>();
    return std::nullopt;
}

MemberReader::Problem MemberReader::FlagOf(const Json& value, const std::string& path, bool& out)
{
    if (!value.is_boolean()) {
        return Quoted(path) + " doit valoir true ou false";
    }
    out = value.get<bool>();
    return std::nullopt;
}

MemberReader::Problem MemberReader::integerMember(const char* key, const Json*& out) const
{
    if (Problem problem = find(key, out)) {
        return problem;
    }
    if (!out->is_number_integer()) {
        return Quoted(pathOf(key)) + " doit être un nombre entier";
    }
    return std::nullopt;
}

std::string MemberReader::elementPath(const char* key, std::size_t index) const
{
    return ElementPath(pathOf(key), index);
}

} // namespace ornal
