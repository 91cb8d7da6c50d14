#include "document/jsonnode.h"

#include "document/gamekeys.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace ornal {

namespace {

using Json = nlohmann::json;
using Failure = JsonReading::Failure;

// Builds the tree as the parser reports values; it stops the parser at the first value past a limit, so that a
// hostile text costs no more than its own bytes.
class TreeBuilder {
public:
    TreeBuilder(const JsonLimits& limits, JsonReading& reading)
        : m_limits(limits)
        , m_reading(reading)
    {
    }

    bool null() { return scalar(JsonNode {}); }
    bool boolean(bool value)
    {
        JsonNode node;
        node.kind = JsonNode::Kind::Flag;
        node.flag = value;
        return scalar(std::move(node));
    }
    bool number_integer(Json::number_integer_t value)
    {
        JsonNode node;
        node.kind = value < 0 ? JsonNode::Kind::Negative : JsonNode::Kind::Natural;
        node.negative = value < 0 ? value : 0;
        node.natural = value < 0 ? 0 : static_cast<std::uint64_t>(value);
        return scalar(std::move(node));
    }
    bool number_unsigned(Json::number_unsigned_t value)
    {
        JsonNode node;
        node.kind = JsonNode::Kind::Natural;
        node.natural = value;
        return scalar(std::move(node));
    }
    bool number_float(Json::number_float_t value, const std::string& token)
    {
        // The parser reads an integer past 64 bits as a fraction: no member holds one.
        if (token.find_first_of(".eE") == std::string::npos) {
            return fail(Failure::NumberTooLarge, pathOfNext());
        }
        JsonNode node;
        node.kind = JsonNode::Kind::Fraction;
        node.fraction = value;
        return scalar(std::move(node));
    }
    bool string(std::string& value)
    {
        JsonNode node;
        node.kind = JsonNode::Kind::Text;
        node.text = std::move(value);
        return scalar(std::move(node));
    }
    bool binary(Json::binary_t&) { return fail(Failure::Syntax, {}); }

    bool start_object(std::size_t) { return open(JsonNode::Kind::Object); }
    bool start_array(std::size_t) { return open(JsonNode::Kind::Array); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }

    bool key(std::string& name)
    {
        JsonNode& object = *m_open.back();
        if (std::find(object.keys.begin(), object.keys.end(), name) != object.keys.end()) {
            return fail(Failure::DuplicateMember, MemberPath(pathOf(m_open.size() - 1, false), name));
        }
        if (object.keys.size() >= m_limits.members) {
            return fail(Failure::TooManyMembers, pathOf(m_open.size() - 1, false));
        }
        if (m_open.size() == 1) {
            m_rootMember = name;
        }
        object.keys.push_back(std::move(name));
        return true;
    }

    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& error)
    {
        // 406: a number past the largest double.
        if (error.id == 406) {
            return fail(Failure::NumberTooLarge, pathOfNext());
        }
        m_reading.byte = position;
        return fail(Failure::Syntax, {});
    }

    JsonNode& root() { return m_root; }

private:
    // Room for the next value: the root, the member just named, or a new element of the array open last.
    JsonNode* place()
    {
        if (m_open.empty()) {
            return &m_root;
        }
        return &m_open.back()->elements.emplace_back();
    }

    bool count()
    {
        if (++m_values > m_limits.values) {
            return fail(Failure::TooManyValues, pathOfNext());
        }
        return true;
    }

    bool scalar(JsonNode node)
    {
        if (!count()) {
            return false;
        }
        *place() = std::move(node);
        return true;
    }

    bool open(JsonNode::Kind kind)
    {
        if (!count()) {
            return false;
        }
        if (m_open.size() >= m_limits.depth) {
            return fail(Failure::TooDeep, {});
        }
        JsonNode* node = place();
        node->kind = kind;
        m_open.push_back(node);
        return true;
    }

    bool close()
    {
        m_open.pop_back();
        return true;
    }

    // The path of the container open at level, or of its last value when withLast.
    std::string pathOf(std::size_t level, bool withLast) const
    {
        std::string path;
        for (std::size_t i = 0; i <= level && i < m_open.size(); ++i) {
            if (i == level && !withLast) {
                break;
            }
            const JsonNode& node = *m_open[i];
            path = node.kind == JsonNode::Kind::Object
                ? MemberPath(path, node.keys.empty() ? std::string() : node.keys.back())
                : ElementPath(path, node.elements.empty() ? 0 : node.elements.size() - 1);
        }
        return path;
    }

    // The path the next value takes.
    std::string pathOfNext() const
    {
        if (m_open.empty()) {
            return {};
        }
        const JsonNode& top = *m_open.back();
        if (top.kind == JsonNode::Kind::Object) {
            return pathOf(m_open.size() - 1, true);
        }
        return ElementPath(pathOf(m_open.size() - 1, false), top.elements.size());
    }

    bool fail(Failure failure, std::string path)
    {
        m_reading.failure = failure;
        m_reading.path = std::move(path);
        m_reading.rootMember = m_open.empty() ? std::string() : m_rootMember;
        return false;
    }

    const JsonLimits& m_limits;
    JsonReading& m_reading;
    JsonNode m_root;
    std::vector<JsonNode*> m_open; // the containers not closed yet, outermost first; each is in its parent's place
    std::size_t m_values = 0;
    std::string m_rootMember;
};

} // namespace

const JsonNode* JsonNode::member(std::string_view key) const
{
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == key) {
            return &elements[i];
        }
    }
    return nullptr;
}

JsonReading ReadJson(std::string_view text, const JsonLimits& limits)
{
    JsonReading reading;
    TreeBuilder builder(limits, reading);
    const bool read = Json::sax_parse(text, &builder, Json::input_format_t::json, true, false);
    if (read && reading.failure == Failure::None) {
        reading.root = std::move(builder.root());
    } else if (reading.failure == Failure::None) {
        reading.failure = Failure::Syntax;
    }
    return reading;
}

} // namespace ornal
