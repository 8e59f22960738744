#include "core/VectorUnit.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define ZOLT_X86_AVX_CHECK 1
#endif

namespace zolt {

#if defined(ZOLT_X86_AVX_CHECK)
namespace {
__attribute__((target("avx"))) void ZeroUpper() { _mm256_zeroupper(); }
}  // namespace

void ClearUpperVectorState() {
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) ZeroUpper();
}
#else
void ClearUpperVectorState() {}
#endif

}  // namespace zolt
