#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornal {

// One value of a JSON text, held without the JSON library's own values: those may allocate while they are
// destroyed, and a shortage of memory there cannot be caught. Destroying a JsonNode allocates nothing.
struct JsonNode {
    enum class Kind : std::uint8_t { Null, Flag, Negative, Natural, Fraction, Text, Array, Object };

    Kind kind = Kind::Null;
    bool flag = false; // Flag
    std::int64_t negative = 0; // Negative: an integer below zero
    std::uint64_t natural = 0; // Natural: an integer of zero or more
    double fraction = 0; // Fraction: a number written with a decimal point or an exponent
    std::string text; // Text
    std::vector<JsonNode> elements; // Array: its elements; Object: its members' values
    std::vector<std::string> keys; // Object: keys[i] names elements[i], each once

    // Member key of an object, or nullptr.
    const JsonNode* member(std::string_view key) const;

    bool isInteger() const { return kind == Kind::Negative || kind == Kind::Natural; }
};

// How far a JSON text may go before it is refused as no file of ours: every game fits well within these.
struct JsonLimits {
    std::size_t depth = 16; // containers inside one another
    std::size_t values = 0; // values in all, containers included
    std::size_t members = 64; // members of one object
};

// A JSON text read into a JsonNode, or where and why it was refused.
struct JsonReading {
    enum class Failure {
        None,
        Syntax, // at byte; past the end when the text stops short
        TooDeep,
        TooManyValues, // at path
        TooManyMembers, // in the object at path
        DuplicateMember, // path
        NumberTooLarge, // path: an integer past 64 bits, or a number past the largest double
    };

    std::optional<JsonNode> root;
    Failure failure = Failure::None;
    std::size_t byte = 0;
    std::string path; // as MemberPath and ElementPath write it
    std::string rootMember; // the root object's member the failure lies in, or empty

    bool ok() const { return root.has_value(); }
};

// Reads text as one JSON value within limits. std::bad_alloc may escape; nothing else does.
JsonReading ReadJson(std::string_view text, const JsonLimits& limits);

} // namespace ornal
