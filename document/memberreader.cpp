#include "document/memberreader.h"

namespace ornal {

MemberReader::MemberReader(const JsonNode& object, std::string path)
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
    return m_object.member(key) != nullptr;
}

MemberReader::Problem MemberReader::find(const char* key, const JsonNode*& out) const
{
    out = m_object.member(key);
    if (out == nullptr) {
        return "il manque " + Quoted(pathOf(key));
    }
    return std::nullopt;
}

MemberReader::Problem MemberReader::object(const char* key, const JsonNode*& out) const
{
    if (Problem problem = find(key, out)) {
        return problem;
    }
    if (out->kind != JsonNode::Kind::Object) {
        return Quoted(pathOf(key)) + " doit être un objet";
    }
    return std::nullopt;
}

MemberReader::Problem MemberReader::array(const char* key, std::size_t count, const JsonNode*& out) const
{
    if (Problem problem = find(key, out)) {
        return problem;
    }
    if (out->kind != JsonNode::Kind::Array) {
        return Quoted(pathOf(key)) + " doit être une liste";
    }
    if (count != 0 && out->elements.size() != count) {
        return Quoted(pathOf(key)) + " doit compter " + std::to_string(count) + " éléments";
    }
    return std::nullopt;
}

MemberReader::Problem MemberReader::value(const char* key, std::string& out) const
{
    const JsonNode* node = nullptr;
    if (Problem problem = find(key, node)) {
        return problem;
    }
    return ValueOf(*node, pathOf(key), out);
}

MemberReader::Problem MemberReader::value(const char* key, bool& out) const
{
    const JsonNode* node = nullptr;
    if (Problem problem = find(key, node)) {
        return problem;
    }
    return ValueOf(*node, pathOf(key), out);
}

MemberReader::Problem MemberReader::value(const char* key, double& out) const
{
    const JsonNode* node = nullptr;
    if (Problem problem = find(key, node)) {
        return problem;
    }
    return ValueOf(*node, pathOf(key), out);
}

MemberReader::Problem MemberReader::ValueOf(const JsonNode& node, const std::string& path, std::string& out)
{
    if (node.kind != JsonNode::Kind::Text) {
        return Quoted(path) + " doit être un texte";
    }
    out = node.text;
    return std::nullopt;
}

MemberReader::Problem MemberReader::ValueOf(const JsonNode& node, const std::string& path, bool& out)
{
    if (node.kind != JsonNode::Kind::Flag) {
        return Quoted(path) + " doit valoir true ou false";
    }
    out = node.flag;
    return std::nullopt;
}

MemberReader::Problem MemberReader::ValueOf(const JsonNode& node, const std::string& path, double& out)
{
    switch (node.kind) {
    case JsonNode::Kind::Natural:
        out = static_cast<double>(node.natural);
        return std::nullopt;
    case JsonNode::Kind::Negative:
        out = static_cast<double>(node.negative);
        return std::nullopt;
    case JsonNode::Kind::Fraction:
        out = node.fraction;
        return std::nullopt;
    default:
        return Quoted(path) + " doit être un nombre";
    }
}

std::string MemberReader::Unknown(const std::string& path)
{
    return Quoted(path) + " n'est pas un membre connu d'un jeu Ornal";
}

} // namespace ornal
