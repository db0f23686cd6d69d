#pragma once

#include <atomic>
#include <cmath>
#include <cstring>
#include <type_traits>

#if defined(__SSE__)
#include <immintrin.h>
#elif defined(__aarch64__)
#include <arm_neon.h>
#endif

// Eight-lane vectors are passed in AVX registers where AVX is on and in memory elsewhere;
// the functions that take them are inline within one build (and within one clone), so
// the two conventions never meet. A file with eight-lane functions of its own uses this
// too.
#if defined(__GNUC__) && !defined(__clang__)
#define EIGHT_LANE_ABI_IS_INTERNAL _Pragma("GCC diagnostic ignored \"-Wpsabi\"")
#else
#define EIGHT_LANE_ABI_IS_INTERNAL
#endif
#pragma GCC diagnostic push
EIGHT_LANE_ABI_IS_INTERNAL

// Four floats processed together. GCC and Clang vector extensions: SSE on x86-64, NEON
// on ARM, plain scalar code elsewhere, from the same source. Explicit vectors keep
// the kernels vectorised without letting the compiler speculate floating-point work
// (which would raise spurious exceptions in unused lanes).
using vfloat = float __attribute__((vector_size(16)));
using vint = int __attribute__((vector_size(16)));
inline constexpr int kLanes = 4;
// Eight floats: one AVX register, for row loops long enough to fill them (withWidestLanes
// below). Without AVX, GCC takes their comparisons and selections a lane at a time.
using vfloat8 = float __attribute__((vector_size(32)));
using vint8 = int __attribute__((vector_size(32)));
inline constexpr int kLanes8 = 8;

// The helpers below serve both widths (vfloat unless told).
template <class V>
concept FloatVector = std::is_same_v<V, vfloat> || std::is_same_v<V, vfloat8>;

template <FloatVector V = vfloat> inline V load(const float *p)
{
    V v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
template <FloatVector V> inline void store(float *p, V v)
{
    std::memcpy(p, &v, sizeof v);
}
template <FloatVector V = vfloat> inline V splat(float x)
{
    if constexpr (std::is_same_v<V, vfloat>)
        return V{x, x, x, x};
    V v; // lane by lane: GCC then keeps a constant one out of the loops
    for (int lane = 0; lane < int(sizeof v / sizeof(float)); ++lane)
        v[lane] = x;
    return v;
}
// 0, 1, 2 ...: each lane's index.
template <FloatVector V = vfloat> inline V laneIndex()
{
    V v;
    for (int lane = 0; lane < int(sizeof v / sizeof(float)); ++lane)
        v[lane] = float(lane);
    return v;
}

template <class C, FloatVector V> inline V select(C condition, V yes, V no)
{
    return condition ? yes : no;
}
template <FloatVector V> inline V minf(V a, V b)
{
    return a < b ? a : b;
}
template <FloatVector V> inline V maxf(V a, V b)
{
    return a > b ? a : b;
}
template <FloatVector V> inline V clampf(V v, float lo, float hi)
{
    return minf(maxf(v, splat<V>(lo)), splat<V>(hi));
}
template <FloatVector V> inline V clamp01(V v)
{
    return clampf(v, 0.0f, 1.0f);
}
template <FloatVector V> inline V absf(V v)
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
// The same, a half at a time (one instruction each), the halves kept in registers.
inline vfloat8 sqrtf8(vfloat8 v)
{
    const vfloat low = sqrtf4(__builtin_shufflevector(v, v, 0, 1, 2, 3));
    const vfloat high = sqrtf4(__builtin_shufflevector(v, v, 4, 5, 6, 7));
    return __builtin_shufflevector(low, high, 0, 1, 2, 3, 4, 5, 6, 7);
}

template <FloatVector V> inline V sqrtv(V v)
{
    if constexpr (std::is_same_v<V, vfloat>)
        return sqrtf4(v);
    else
        return sqrtf8(v);
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

// Calls kernel.operator()<V>() with V the widest float vector the processor runs at full
// width: vfloat8 where it has AVX (x86-64 with GCC), else vfloat. Each width gets a
// copy of the kernel with everything it calls inlined, compiled for its instructions.
// AVX brings no fused multiply-add, so both widths compute the same IEEE results. The
// choice is made when first needed, not by the loader, so it holds under the thread
// sanitizer too.
inline std::atomic<bool> fourLanesOnly{false}; // for tests of the narrower form
inline void useFourLanesOnly(bool only)
{
    fourLanesOnly.store(only, std::memory_order_relaxed);
}
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
inline bool processorHasAvx()
{
    static const bool avx = __builtin_cpu_supports("avx");
    return avx;
}
template <class Kernel> __attribute__((target("avx"), flatten)) void withEightLanes(const Kernel &kernel)
{
    kernel.template operator()<vfloat8>();
}
#endif
template <class Kernel> __attribute__((flatten)) void withFourLanes(const Kernel &kernel)
{
    kernel.template operator()<vfloat>();
}
template <class Kernel> void withWidestLanes(const Kernel &kernel)
{
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
    if (processorHasAvx() && !fourLanesOnly.load(std::memory_order_relaxed))
        return withEightLanes(kernel);
#endif
    withFourLanes(kernel);
}

// Levels 0..255 (whole numbers held as floats) as alphas, each level / 255 rounded as the
// float division rounds it, without its slow division: 1 / 255 is split into a part of
// 16 significant bits, whose product with a level is exact, and the rest; the sum of the
// two products rounds to the quotient for each of the 256 levels (the tests check all).
template <FloatVector V> inline V levelAlphas(V levels)
{
    constexpr float kHigh = 0x1.0102p-8f, kLow = -0x1.fdfdfep-25f;
    return levels * kHigh + levels * kLow;
}

// Span lengths rounded up to whole vectors: spans are padded so this stays in bounds.
inline int roundUpToLanes(int count)
{
    return (count + kLanes - 1) / kLanes * kLanes;
}

#pragma GCC diagnostic pop
