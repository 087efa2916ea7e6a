// The pixel filters eight pixels at a time with AVX2: the arithmetic of the
// SSE2 path (PixelFilterKernels_sse2.cpp, where it is derived) on twice the
// width, with AVX2's blends and byte shuffles where they save steps. Only
// the functions here carry the AVX2 target, so nothing of them leaks into
// code that runs on processors without it.
#include "service/PixelFilterKernels.h"

#if VXL_PIXEL_FILTERS_X86

#include <immintrin.h>

#include <cstring>

#define VXL_AVX2 __attribute__((target("avx2")))

namespace vxl::detail {
namespace {

constexpr std::size_t kLanes = 8;

VXL_AVX2 inline __m256i Splat(std::uint32_t v) { return _mm256_set1_epi32(static_cast<int>(v)); }

// A pair of 16-bit factors (low half, high half of each 32-bit lane) for
// _mm256_madd_epi16.
VXL_AVX2 inline __m256i Factors(std::int16_t low, std::int16_t high) {
  return Splat(static_cast<std::uint16_t>(low) |
               (static_cast<std::uint32_t>(static_cast<std::uint16_t>(high)) << 16));
}

// Takes the high 16-bit half of every 32-bit lane from b, the low from a.
constexpr int kHighHalves = 0xAA;

template <typename Op>
VXL_AVX2 void ForEachVector(const std::uint32_t* in, std::uint32_t* out, std::size_t count,
                            const Op& op) {
  std::size_t i = 0;
  // Two vectors a round: both are read before either is written (in place).
  for (; i + 2 * kLanes <= count; i += 2 * kLanes) {
    const __m256i p0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + i));
    const __m256i p1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + i + kLanes));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), op(p0));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i + kLanes), op(p1));
  }
  for (; i + kLanes <= count; i += kLanes) {
    const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + i));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), op(p));
  }
  if (i == count) return;
  std::uint32_t tail[kLanes] = {};
  std::memcpy(tail, in + i, (count - i) * sizeof(*in));
  const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(tail));
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(tail), op(p));
  std::memcpy(out + i, tail, (count - i) * sizeof(*out));
}

struct Invert {
  __m256i invert;
  VXL_AVX2 Invert() : invert(Splat(0x00FFFFFF)) {}
  VXL_AVX2 __m256i operator()(__m256i p) const { return _mm256_xor_si256(p, invert); }
};

struct Substitute {
  __m256i invert, src1, dst1, src2, dst2;
  VXL_AVX2 explicit Substitute(const TFilterSettings& s, std::uint32_t inv)
      : invert(Splat(inv)),
        src1(Splat(s.ColSubst1.Src)),
        dst1(Splat(s.ColSubst1.Dst ^ inv)),
        src2(Splat(s.ColSubst2.Src)),
        dst2(Splat(s.ColSubst2.Dst ^ inv)) {}
  VXL_AVX2 __m256i operator()(__m256i p) const {
    __m256i x = _mm256_xor_si256(p, invert);
    x = _mm256_blendv_epi8(x, dst2, _mm256_cmpeq_epi32(p, src2));
    return _mm256_blendv_epi8(x, dst1, _mm256_cmpeq_epi32(p, src1));  // pair 1 wins
  }
};

// The luma sum S = 19595 R + 38470 G + 7471 B, so that luma is the third
// byte of S + 32768 (below 2^24). With G in both halves of a lane, 38470 G,
// too large a factor for one half, is 19235 G + 19235 G.
struct LumaSum {
  __m256i byteMask, blueRed, greenGreen, greenTwice;
  VXL_AVX2 LumaSum()
      : byteMask(Splat(0x00FF00FF)),
        blueRed(Factors(7471, 19595)),
        greenGreen(_mm256_setr_epi8(1, -128, 1, -128, 5, -128, 5, -128, 9, -128, 9, -128, 13, -128,
                                    13, -128, 1, -128, 1, -128, 5, -128, 5, -128, 9, -128, 9, -128,
                                    13, -128, 13, -128)),
        greenTwice(Factors(19235, 19235)) {}
  VXL_AVX2 __m256i operator()(__m256i p) const {
    const __m256i br = _mm256_and_si256(p, byteMask);
    const __m256i gg = _mm256_shuffle_epi8(p, greenGreen);
    return _mm256_add_epi32(_mm256_madd_epi16(br, blueRed), _mm256_madd_epi16(gg, greenTwice));
  }
};

template <bool kInverted>
struct GreyLevels {
  LumaSum luma;
  __m256i half, spreadLuma, invert;
  VXL_AVX2 GreyLevels()
      : half(Splat(32768)),
        // Byte 2 of each lane into bytes 0..2, zero into byte 3.
        spreadLuma(_mm256_setr_epi8(2, 2, 2, -128, 6, 6, 6, -128, 10, 10, 10, -128, 14, 14, 14,
                                    -128, 2, 2, 2, -128, 6, 6, 6, -128, 10, 10, 10, -128, 14, 14,
                                    14, -128)),
        invert(Splat(0x00FFFFFF)) {}
  VXL_AVX2 __m256i operator()(__m256i p) const {
    const __m256i grey = _mm256_shuffle_epi8(_mm256_add_epi32(luma(p), half), spreadLuma);
    return kInverted ? _mm256_xor_si256(grey, invert) : grey;
  }
};

template <bool kInverted>
struct BlackAndWhite {
  LumaSum luma;
  __m256i below128, white;
  // Luma >= 128 exactly when S + 32768 >= 128 * 65536, that is S > 0x7F7FFF.
  VXL_AVX2 BlackAndWhite() : below128(Splat(0x007F7FFF)), white(Splat(0x00FFFFFF)) {}
  VXL_AVX2 __m256i operator()(__m256i p) const {
    const __m256i bright = _mm256_cmpgt_epi32(luma(p), below128);
    return kInverted ? _mm256_andnot_si256(bright, white) : _mm256_and_si256(bright, white);
  }
};

struct BrightnessInversion {
  __m256i byteMask, high16, oneHigh, redByte;
  __m256i yBlueRed, yGreen, cbBlueRed, cbGreen, crBlueRed, crGreen;
  __m256i baseTop, toRed, toGreen, toBlue;
  VXL_AVX2 BrightnessInversion()
      : byteMask(Splat(0x00FF00FF)),
        high16(Splat(0xFFFF0000)),
        oneHigh(Splat(0x00010000)),
        redByte(Splat(0x00FF0000)),
        yBlueRed(Factors(7471, 19595)),
        yGreen(Factors(-27066, -32768)),
        cbBlueRed(Factors(-32768, -11059)),
        cbGreen(Factors(-21709, 32767)),
        crBlueRed(Factors(-5329, -32768)),
        crGreen(Factors(-27439, 32767)),
        baseTop(Splat(0x00FE8000)),
        toRed(Factors(0, 26345)),
        toGreen(Factors(-22554, 18734)),
        toBlue(Factors(-14942, 0)) {}

  VXL_AVX2 __m256i operator()(__m256i p) const {
    const __m256i br = _mm256_and_si256(p, byteMask);                 // B | R << 16
    const __m256i ga = _mm256_srli_epi16(p, 8);                       // G | A << 16
    const __m256i g1 = _mm256_blend_epi16(ga, oneHigh, kHighHalves);  // G | 1 << 16
    const __m256i ySum = _mm256_add_epi32(                            // sum - 65536
        _mm256_add_epi32(_mm256_madd_epi16(br, yBlueRed), _mm256_madd_epi16(g1, yGreen)),
        _mm256_slli_epi32(ga, 16));
    const __m256i base = _mm256_sub_epi32(baseTop, _mm256_and_si256(ySum, high16));
    const __m256i cb = _mm256_add_epi32(
        _mm256_add_epi32(_mm256_madd_epi16(br, cbBlueRed), _mm256_madd_epi16(g1, cbGreen)),
        _mm256_slli_epi32(br, 16));
    const __m256i cr = _mm256_add_epi32(
        _mm256_add_epi32(_mm256_madd_epi16(br, crBlueRed), _mm256_madd_epi16(g1, crGreen)),
        _mm256_and_si256(p, redByte));
    const __m256i xb16 = _mm256_and_si256(cb, high16);  // xb << 16
    const __m256i xr16 = _mm256_and_si256(cr, high16);  // xr << 16
    const __m256i xbr = _mm256_blend_epi16(_mm256_srli_epi32(cb, 16), cr, kHighHalves);
    const __m256i red =
        _mm256_add_epi32(_mm256_add_epi32(base, xr16), _mm256_madd_epi16(xbr, toRed));
    const __m256i green =
        _mm256_add_epi32(_mm256_sub_epi32(base, xr16), _mm256_madd_epi16(xbr, toGreen));
    const __m256i blue = _mm256_add_epi32(_mm256_add_epi32(base, _mm256_add_epi32(xb16, xb16)),
                                          _mm256_madd_epi16(xbr, toBlue));
    // Packing works within each 128-bit half, which keeps the pixels in order.
    const __m256i blueRed = _mm256_blend_epi16(_mm256_srli_epi32(blue, 16), red, kHighHalves);
    const __m256i bytes = _mm256_packus_epi16(blueRed, _mm256_srli_epi32(green, 16));
    return _mm256_unpacklo_epi8(bytes, _mm256_srli_si256(bytes, 8));
  }
};

}  // namespace

VXL_AVX2 VXL_KERNEL_ENTRY void FilterPixelsAvx2(const std::uint32_t* in, std::uint32_t* out,
                                                std::size_t count, const TFilterSettings& s) {
  switch (s.Filter) {
    case fmColourInversion: ForEachVector(in, out, count, Invert()); break;
    case fmBrightnessInversion: ForEachVector(in, out, count, BrightnessInversion()); break;
    case fmColourSubstitution: ForEachVector(in, out, count, Substitute(s, 0)); break;
    case fmColourSubstitutionInverted:
      ForEachVector(in, out, count, Substitute(s, 0x00FFFFFF));
      break;
    case fmGreyLevels: ForEachVector(in, out, count, GreyLevels<false>()); break;
    case fmGreyLevelsInverted: ForEachVector(in, out, count, GreyLevels<true>()); break;
    case fmBlackAndWhite: ForEachVector(in, out, count, BlackAndWhite<false>()); break;
    case fmBlackAndWhiteInverted: ForEachVector(in, out, count, BlackAndWhite<true>()); break;
    default: break;
  }
}

}  // namespace vxl::detail

#endif
