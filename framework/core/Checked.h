#pragma once

#include <cstddef>
#include <iterator>

#include "framework/core/Messages.h"

// The element at index, for an index that comes from a file or a player's data: outside the container it
// is a run-time error that reaches the error handler ("Array index out of bounds"), never memory that
// belongs to something else.
template <typename Container>
auto& CheckedAt(Container& container, long long index) {
    if (index < 0 || static_cast<std::size_t>(index) >= std::size(container))
        throw RuntimeError("Array index out of bounds");
    return container[static_cast<std::size_t>(index)];
}
