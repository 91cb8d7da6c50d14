#pragma once

#include "document/gamekeys.h"
#include "document/jsonnode.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace ornal {

// Reads the members of one JSON object of a game file, each with its type checked and its value copied out; every
// method returns nullopt or what is wrong, in French, naming the member by its path. Integers saturate to the
// target's limits, so that a huge value fails CheckGame's range test instead of wrapping into range.
class MemberReader {
public:
    using Problem = std::optional<std::string>;

    // object is read under path ("" for the file's root); it must outlive the reader.
    MemberReader(const JsonNode& object, std::string path);

    // The path of member key of this object.
    std::string pathOf(const char* key) const;

    // Whether the object holds member key.
    bool has(const char* key) const;

    // The names of the object's members, in the file's order.
    const std::vector<std::string>& keys() const { return m_object.keys; }

    // Member key, required.
    Problem find(const char* key, const JsonNode*& out) const;

    // Member key, required to be an object.
    Problem object(const char* key, const JsonNode*& out) const;

    // Member key, required to be an array of exactly count elements, or of any length when count is 0.
    Problem array(const char* key, std::size_t count, const JsonNode*& out) const;

    // Member key, required to be of out's type: a text, a boolean, an integer, a number, or an array of N texts or
    // booleans.
    Problem value(const char* key, std::string& out) const;
    Problem value(const char* key, bool& out) const;
    Problem value(const char* key, double& out) const;
    template <typename Integer, typename = std::enable_if_t<std::is_integral_v<Integer>>>
    Problem value(const char* key, Integer& out) const
    {
        const JsonNode* number = nullptr;
        if (Problem problem = find(key, number)) {
            return problem;
        }
        return IntegerOf(*number, pathOf(key), out);
    }
    template <typename Element, std::size_t N> Problem value(const char* key, std::array<Element, N>& out) const
    {
        const JsonNode* list = nullptr;
        if (Problem problem = array(key, N, list)) {
            return problem;
        }
        for (std::size_t i = 0; i < N; ++i) {
            if (Problem problem = ValueOf(list->elements[i], ElementPath(pathOf(key), i), out[i])) {
                return problem;
            }
        }
        return std::nullopt;
    }

    // node, which stands at path, required to be of out's type.
    static Problem ValueOf(const JsonNode& node, const std::string& path, std::string& out);
    static Problem ValueOf(const JsonNode& node, const std::string& path, bool& out);
    // Any number, written as an integer or not.
    static Problem ValueOf(const JsonNode& node, const std::string& path, double& out);
    template <typename Integer> static Problem IntegerOf(const JsonNode& node, const std::string& path, Integer& out)
    {
        if (!node.isInteger()) {
            return Quoted(path) + " doit être un nombre entier";
        }
        constexpr auto high = std::numeric_limits<Integer>::max();
        constexpr auto low = std::numeric_limits<Integer>::min();
        if (node.kind == JsonNode::Kind::Natural) {
            out = node.natural > static_cast<std::uint64_t>(high) ? high : static_cast<Integer>(node.natural);
        } else if constexpr (std::is_signed_v<Integer>) {
            out = node.negative < low ? low : static_cast<Integer>(node.negative);
        } else {
            out = low;
        }
        return std::nullopt;
    }

    // "« path » n'est pas un membre connu d'un jeu Ornal".
    static std::string Unknown(const std::string& path);

private:
    const JsonNode& m_object;
    std::string m_path;
};

} // namespace ornal
