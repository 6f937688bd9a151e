#pragma once

#include <cstddef>
#include <utility>

// The field splitting rule on any contiguous run of characters, so the project
// loader can split raw bytes without decoding them first and GetField can split
// text, both by the same counting.
namespace textfields {

// [start, end) of field n in text[0, size), or {-1, -1} when text has fewer
// than n separator runs.
template <typename Char>
std::pair<std::ptrdiff_t, std::ptrdiff_t> fieldBounds(const Char *text, std::ptrdiff_t size,
                                                      Char separator, int n)
{
    std::ptrdiff_t p = 0;
    for (int i = 0; i < n; ++i) {
        while (p < size && text[p] != separator)
            ++p;
        if (p >= size)
            return {-1, -1};
        while (p < size && text[p] == separator)
            ++p;
    }
    std::ptrdiff_t end = p;
    while (end < size && text[end] != separator)
        ++end;
    return {p, end};
}

} // namespace textfields
