#pragma once
// Guards long floating-point loops against a slow state of the processor's vector unit.

namespace zolt {

// Some library code (seen after the toolkit's start-up and widget creation) returns with the
// upper halves of the 256/512-bit vector registers in use. Until they are cleared, every
// switch between the compiler's SSE code and the library's AVX code in std::pow costs a
// state transition: a table of 1.8 million powers then took about 1 s instead of 0.1 s.
// Clearing them (vzeroupper) before such a loop costs a few cycles; on processors without
// AVX, and on other architectures, this does nothing.
void ClearUpperVectorState();

}  // namespace zolt
