#pragma once

#include "engine/messages.h"

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace ornal {

// Refused, with the program's message: the one way a library says no. The window shows the message as a box, the
// command line prints its text. A reason (what is wrong in a file, without capital or full stop: a FileProblem, the
// member of a game file that fails its check) is not a refusal but a part of one: it stays a plain string until the
// caller words the sentence the player reads around it.
struct Refusal {
    Message message;
    int box = -1; // the input box of the caller's row the refusal is about, or -1
    int systemError = 0; // the system's error number (errno) behind a refusal of a file, 0 when there is none

    // A refusal that says text, in a box with icon (the program's title above it).
    static Refusal Saying(std::string text, MessageIcon icon = MessageIcon::None)
    {
        return Refusal { Message { std::move(text), icon } };
    }
    // The same refusal, about box.
    Refusal about(int boxIndex) &&
    {
        box = boxIndex;
        return std::move(*this);
    }

    // The same refusal, caused by the system's error number.
    Refusal causedBy(int errorNumber) &&
    {
        systemError = errorNumber;
        return std::move(*this);
    }

    // The text the player reads.
    const std::string& text() const { return message.text; }

    bool operator==(const Refusal&) const = default;
};

// A value, or the refusal that stands in its place.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_state(std::in_place_index<0>, std::move(value))
    {
    }
    Result(Refusal refusal)
        : m_state(std::in_place_index<1>, std::move(refusal))
    {
    }

    // True when the value is there.
    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The value; only when ok().
    const T& value() const& { return std::get<0>(m_state); }
    T& value() & { return std::get<0>(m_state); }
    T&& value() && { return std::get<0>(std::move(m_state)); }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    // The refusal; only when !ok().
    const Refusal& refusal() const { return std::get<1>(m_state); }
    // The refusal's text, empty when ok().
    std::string refusalText() const { return ok() ? std::string() : refusal().text(); }

    bool operator==(const Result&) const = default;

private:
    std::variant<T, Refusal> m_state;
};

// Done, or the refusal that says why not.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Refusal refusal)
        : m_refusal(std::move(refusal))
    {
    }

    // True when it was done.
    bool ok() const { return !m_refusal.has_value(); }
    explicit operator bool() const { return ok(); }
    // The refusal; only when !ok().
    const Refusal& refusal() const { return *m_refusal; }
    // The refusal's text, empty when ok().
    std::string refusalText() const { return ok() ? std::string() : refusal().text(); }

    bool operator==(const Result&) const = default;

private:
    std::optional<Refusal> m_refusal;
};

} // namespace ornal
