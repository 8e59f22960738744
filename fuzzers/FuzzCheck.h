#pragma once
// What the fuzz targets share: a property check that stops the run with its reason.

#include <cstdio>
#include <cstdlib>

namespace zolt::fuzz {

inline void Require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

}  // namespace zolt::fuzz
