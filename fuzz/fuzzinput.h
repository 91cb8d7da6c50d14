#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace ornal::fuzz {

// Reads typed values off the fuzzer's bytes, front to back; once the bytes run out every read gives zero or empty,
// so a target never has to check for the end itself.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    // Bytes not read yet.
    std::size_t remaining() const { return m_size - m_pos; }

    // One byte, or 0 at the end.
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    // A whole number of up to 8 bytes, little end first.
    std::uint64_t integer(int bytes = 8)
    {
        std::uint64_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            value |= static_cast<std::uint64_t>(byte()) << (8 * i);
        }
        return value;
    }

    // A number from lowest to highest, both included.
    int range(int lowest, int highest)
    {
        if (highest <= lowest) {
            return lowest;
        }
        const auto span = static_cast<std::uint32_t>(highest - lowest) + 1;
        return lowest + static_cast<int>(static_cast<std::uint32_t>(integer(span > 256 ? 4 : 1)) % span);
    }

    bool flag() { return (byte() & 1) != 0; }

    // Eight raw bytes as a double: every bit pattern, NaNs and infinities included.
    double rawDouble()
    {
        const std::uint64_t bits = integer(8);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // A text whose length comes first (one byte, up to maxLength), then that many bytes.
    std::string text(std::size_t maxLength = 255)
    {
        std::size_t length = byte();
        if (length > maxLength) {
            length %= maxLength + 1;
        }
        length = length < remaining() ? length : remaining();
        std::string result(reinterpret_cast<const char*>(m_data + m_pos), length);
        m_pos += length;
        return result;
    }

    // A text built from a small alphabet that the rules care about, so that the interesting cases come often.
    std::string textFrom(const char* alphabet, std::size_t maxLength)
    {
        const std::size_t letters = std::strlen(alphabet);
        const std::size_t length = byte() % (maxLength + 1);
        std::string result;
        for (std::size_t i = 0; i < length && remaining() > 0; ++i) {
            result.push_back(alphabet[byte() % letters]);
        }
        return result;
    }

    // Either a raw text or one from the alphabet, as the next byte decides.
    std::string mixedText(const char* alphabet, std::size_t maxLength)
    {
        return flag() ? textFrom(alphabet, maxLength) : text(maxLength);
    }

    // Every byte not read yet, as a text.
    std::string rest()
    {
        std::string result(reinterpret_cast<const char*>(m_data + m_pos), remaining());
        m_pos = m_size;
        return result;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// Stops the run in a way the fuzzer records as a finding, with what went wrong on the error stream.
[[noreturn]] void Fail(const char* what, const std::string& detail = {});

#define ORNAL_FUZZ_CHECK(condition, detail)                                                                            \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            ::ornal::fuzz::Fail(#condition, (detail));                                                                 \
        }                                                                                                              \
    } while (false)

// text with every byte outside printable ASCII shown as \xNN, for failure reports.
std::string Shown(const std::string& text);

} // namespace ornal::fuzz
