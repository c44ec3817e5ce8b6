#pragma once

#include <cstddef>
#include <utility>

// Asks for the cache lines of the bytes [from, to) ahead of their use: a prefetch every kPrefetchStep bytes
// from from, kSteps of them, and one at the last byte, which covers every line of the range as long as it is
// no longer than kSteps × kPrefetchStep bytes. The prefetches stay straight-line, folded into the caller, and
// end in an empty asm: the compiler drops as doing nothing a prefetch under a branch or in a loop, and a call
// that only prefetches.
template <std::size_t kSteps>
[[gnu::always_inline]] inline void PrefetchRange(const void* from, const void* to);

// A cache line.
constexpr std::ptrdiff_t kPrefetchStep = 64;

namespace prefetch_detail {

template <std::size_t... k>
[[gnu::always_inline]] inline void Steps(const char* from, const char* last, std::index_sequence<k...>) {
    (__builtin_prefetch(from + static_cast<std::ptrdiff_t>(k) * kPrefetchStep), ...);
    __builtin_prefetch(last);
    __asm__ __volatile__("");
}

}  // namespace prefetch_detail

template <std::size_t kSteps>
inline void PrefetchRange(const void* from, const void* to) {
    prefetch_detail::Steps(static_cast<const char*>(from), static_cast<const char*>(to) - 1,
                           std::make_index_sequence<kSteps>{});
}
