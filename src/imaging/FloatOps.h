#pragma once

#include <cmath>
#include <cstring>

#if defined(__SSE__)
#include <immintrin.h>
#elif defined(__aarch64__)
#include <arm_neon.h>
#endif

// Four floats processed together. GCC and Clang vector extensions: SSE on x86-64, NEON
// on ARM, plain scalar code elsewhere, from the same source. Explicit vectors keep
// the kernels vectorised without letting the compiler speculate floating-point work
// (which would raise spurious exceptions in unused lanes).
using vfloat = float __attribute__((vector_size(16)));
using vint = int __attribute__((vector_size(16)));
inline constexpr int kLanes = 4;

inline vfloat load(const float *p)
{
    vfloat v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void store(float *p, vfloat v)
{
    std::memcpy(p, &v, sizeof v);
}
inline vfloat splat(float x)
{
    return vfloat{x, x, x, x};
}

inline vfloat select(vint condition, vfloat yes, vfloat no)
{
    return condition ? yes : no;
}
inline vfloat minf(vfloat a, vfloat b)
{
    return a < b ? a : b;
}
inline vfloat maxf(vfloat a, vfloat b)
{
    return a > b ? a : b;
}
inline vfloat clampf(vfloat v, float lo, float hi)
{
    return minf(maxf(v, splat(lo)), splat(hi));
}
inline vfloat clamp01(vfloat v)
{
    return clampf(v, 0.0f, 1.0f);
}
inline vfloat absf(vfloat v)
{
    return maxf(v, -v);
}
// Correctly rounded in every lane, as std::sqrt is, so all three forms agree bit for
// bit; the vector instructions skip the scalar form's errno check, one lane at a time.
inline vfloat sqrtf4(vfloat v)
{
#if defined(__SSE__)
    return vfloat(_mm_sqrt_ps(__m128(v)));
#elif defined(__aarch64__)
    return vfloat(vsqrtq_f32(float32x4_t(v)));
#else
    for (int lane = 0; lane < kLanes; ++lane)
        v[lane] = std::sqrt(v[lane]);
    return v;
#endif
}

// Marks a span loop to be compiled twice, for plain x86-64 (SSE2) and for AVX
// (three-operand forms, single-instruction blends for `select`); the loader picks the
// one the processor supports. AVX brings no fused multiply-add, so both compute the
// very same IEEE results. The choice rests on the ELF loader's indirect functions, so
// it is made on Linux only; elsewhere the macro expands to nothing. Under the thread
// sanitizer the loader would run the instrumented choice before the sanitizer starts, so
// that build takes the plain loop.
#if defined(__x86_64__) && defined(__linux__) && defined(__GNUC__) && !defined(__clang__) &&                 \
    !defined(__SANITIZE_THREAD__)
#define SPAN_CLONES __attribute__((target_clones("avx", "default")))
#else
#define SPAN_CLONES
#endif

// Span lengths rounded up to whole vectors: spans are padded so this stays in bounds.
inline int roundUpToLanes(int count)
{
    return (count + kLanes - 1) / kLanes * kLanes;
}
