#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace ornal {

// Reads the members of one JSON object of a game file, each with its type checked and its value copied out; every
// method returns nullopt or what is wrong, in French, naming the member by its path. Integers saturate to the
// target's limits, so that a huge value fails CheckGame's range test instead of wrapping into range.
class MemberReader {
public:
    using Json = nlohmann::json;
    using Problem = std::optional<std::string>;

    // object is read under path ("" for the file's root); it must outlive the reader.
    MemberReader(const Json& object, std::string path);

    // The path of member key of this object.
    std::string pathOf(const char* key) const;

    // Whether the object holds member key.
    bool has(const char* key) const;

    // Member key, required.
    Problem find(const char* key, const Json*& out) const;

    // Member key, required to be a string.
    Problem text(const char* key, std::string& out) const;

    // Member key, required to be an object.
    Problem object(const char* key, const Json*& out) const;

    // Member key, required to be an array of exactly count elements, or of any length when count is 0.
    Problem array(const char* key, std::size_t count, const Json*& out) const;

    // Member key, required to be an integer.
    template <typename Integer> Problem integer(const char* key, Integer& out) const
    {
        const Json* value = nullptr;
        if (Problem problem = integerMember(key, value)) {
            return problem;
        }
        constexpr auto high = std::numeric_limits<Integer>::max();
        if (value->is_number_unsigned()) {
            const auto number = value->get<std::uint64_t>();
            out = number > static_cast<std::uint64_t>(high) ? high : static_cast<Integer>(number);
        } else {
            const auto number = value->get<std::int64_t>();
            constexpr auto low = std::numeric_limits<Integer>::min();
            out = number < low ? low : number > high ? high : static_cast<Integer>(number);
        }
        return std::nullopt;
    }

    // Member key, required to be an array of N strings.
    template <std::size_t N> Problem texts(const char* key, std::array<std::string, N>& out) const
    {
        const Json* list = nullptr;
        if (Problem problem = array(key, N, list)) {
            return problem;
        }
        for (std::size_t i = 0; i < N; ++i) {
            if (Problem problem = TextOf((*list)[i], elementPath(key, i), out[i])) {
                return problem;
            }
        }
        return std::nullopt;
    }

    // Member key, required to be an array of N booleans.
    template <std::size_t N> Problem flags(const char* key, std::array<bool, N>& out) const
    {
        const Json* list = nullptr;
        if (Problem problem = array(key, N, list)) {
            return problem;
        }
        for (std::size_t i = 0; i < N; ++i) {
            if (Problem problem = FlagOf((*list)[i], elementPath(key, i), out[i])) {
                return problem;
            }
        }
        return std::nullopt;
    }

    // value, which stands at path, required to be a string.
    static Problem TextOf(const Json& value, const std::string& path, std::string& out);

    // value, which stands at path, required to be a boolean.
    static Problem FlagOf(const Json& value, const std::string& path, bool& out);

private:
    Problem integerMember(const char* key, const Json*& out) const;
    std::string elementPath(const char* key, std::size_t index) const;

    const Json& m_object;
    std::string m_path;
};

} // namespace ornal
