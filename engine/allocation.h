#pragma once

#include <new>
#include <optional>
#include <type_traits>

namespace ornal {

// The result of operation, or nullopt when memory ran short inside it. Operations build their new list before the
// old one is replaced, so a shortage leaves the caller's state as it was; nothing but std::bad_alloc is caught.
template <typename Operation>
auto TryAllocating(Operation&& operation) -> std::optional<std::invoke_result_t<Operation>>
{
    try {
        return operation();
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace ornal
