// The pixel filters four pixels at a time with SSE2. Every operation is
// exact integer arithmetic equal to the reference's (uformFilterWnd.cpp); the
// derivations are in the comments, the exhaustive unit test is the proof.
#include "service/PixelFilterKernels.h"

#if VXL_PIXEL_FILTERS_X86

#include <emmintrin.h>

#include <cstring>

// Every x86-64 processor has SSE2; the 32-bit build is run only after asking.
#define VXL_SSE2 __attribute__((target("sse2")))

namespace vxl::detail {
namespace {

constexpr std::size_t kLanes = 4;

VXL_SSE2 inline __m128i Splat(std::uint32_t v) { return _mm_set1_epi32(static_cast<int>(v)); }

// A pair of 16-bit factors (low half, high half of each 32-bit lane) for
// _mm_madd_epi16, which multiplies the halves and adds the two products.
VXL_SSE2 inline __m128i Factors(std::int16_t low, std::int16_t high) {
  return Splat(static_cast<std::uint16_t>(low) |
               (static_cast<std::uint32_t>(static_cast<std::uint16_t>(high)) << 16));
}

// Runs op over whole vectors, then over the last few pixels through a small
// buffer, so that the tail takes the same arithmetic as the rest.
template <typename Op>
VXL_SSE2 void ForEachVector(const std::uint32_t* in, std::uint32_t* out, std::size_t count,
                            const Op& op) {
  std::size_t i = 0;
  // Two vectors a round: both are read before either is written (in place).
  for (; i + 2 * kLanes <= count; i += 2 * kLanes) {
    const __m128i p0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
    const __m128i p1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i + kLanes));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), op(p0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + kLanes), op(p1));
  }
  for (; i + kLanes <= count; i += kLanes) {
    const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), op(p));
  }
  if (i == count) return;
  std::uint32_t tail[kLanes] = {};
  std::memcpy(tail, in + i, (count - i) * sizeof(*in));
  const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tail));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(tail), op(p));
  std::memcpy(out + i, tail, (count - i) * sizeof(*out));
}

// The ops hold their constants in vectors, built once per frame. Their
// constructors carry the target too: the 32-bit build has no SSE2 elsewhere.
struct Invert {
  __m128i invert;
  VXL_SSE2 Invert() : invert(Splat(0x00FFFFFF)) {}
  VXL_SSE2 __m128i operator()(__m128i p) const { return _mm_xor_si128(p, invert); }
};

// p == Src1 ? Dst1 ^ invert : p == Src2 ? Dst2 ^ invert : p ^ invert, as
// x ^ (mask & (x ^ y)), which picks y where the mask is set.
struct Substitute {
  __m128i invert, src1, dst1, src2, dst2;
  VXL_SSE2 explicit Substitute(const TFilterSettings& s, std::uint32_t inv)
      : invert(Splat(inv)),
        src1(Splat(s.ColSubst1.Src)),
        dst1(Splat(s.ColSubst1.Dst ^ inv)),
        src2(Splat(s.ColSubst2.Src)),
        dst2(Splat(s.ColSubst2.Dst ^ inv)) {}
  VXL_SSE2 __m128i operator()(__m128i p) const {
    __m128i x = _mm_xor_si128(p, invert);
    const __m128i hit2 = _mm_cmpeq_epi32(p, src2);
    x = _mm_xor_si128(x, _mm_and_si128(hit2, _mm_xor_si128(x, dst2)));
    const __m128i hit1 = _mm_cmpeq_epi32(p, src1);  // pair 1 wins: applied last
    return _mm_xor_si128(x, _mm_and_si128(hit1, _mm_xor_si128(x, dst1)));
  }
};

// The luma sum 19595 R + 38470 G + 7471 B + 32768 in each lane, so that
// luma = sum >> 16 and the sum is below 2^24. The masked pixel holds B and R
// as 16-bit halves, the pixel shifted by 8 in each half holds G and the top
// byte; 38470 does not fit a signed 16-bit factor, so G counts as
// 65536 G - 27066 G.
struct LumaSum {
  __m128i byteMask, blueRed, green, half;
  VXL_SSE2 LumaSum()
      : byteMask(Splat(0x00FF00FF)),
        blueRed(Factors(7471, 19595)),
        green(Factors(-27066, 0)),
        half(Splat(32768)) {}
  VXL_SSE2 __m128i operator()(__m128i p) const {
    const __m128i br = _mm_and_si128(p, byteMask);
    const __m128i ga = _mm_srli_epi16(p, 8);
    const __m128i sum = _mm_add_epi32(_mm_madd_epi16(br, blueRed), _mm_madd_epi16(ga, green));
    return _mm_add_epi32(_mm_add_epi32(sum, _mm_slli_epi32(ga, 16)), half);
  }
};

struct GreyLevels {
  LumaSum luma;
  __m128i invert, lumaHigh, times257;
  VXL_SSE2 explicit GreyLevels(std::uint32_t inv)
      : invert(Splat(inv)), lumaHigh(Splat(0x00FF0000)), times257(Splat(0x0101)) {}
  VXL_SSE2 __m128i operator()(__m128i p) const {
    const __m128i sum = luma(p);
    const __m128i y = _mm_srli_epi32(sum, 16);
    // Y * 257 fills the low half (Y | Y << 8); Y << 16 is the sum's third byte.
    const __m128i grey = _mm_or_si128(_mm_mullo_epi16(y, times257), _mm_and_si128(sum, lumaHigh));
    return _mm_xor_si128(grey, invert);
  }
};

struct BlackAndWhite {
  LumaSum luma;
  __m128i invert, below128, white;
  // Luma >= 128 exactly when the sum is above 0x7FFFFF.
  VXL_SSE2 explicit BlackAndWhite(std::uint32_t inv)
      : invert(Splat(inv)), below128(Splat(0x007FFFFF)), white(Splat(0x00FFFFFF)) {}
  VXL_SSE2 __m128i operator()(__m128i p) const {
    const __m128i bright = _mm_cmpgt_epi32(luma(p), below128);
    return _mm_xor_si128(_mm_and_si128(bright, white), invert);
  }
};

// Brightness inversion. With the 128 offsets taken out of the chroma sums,
//   Cb - 128 = xb = (32768 B - 11059 R - 21709 G + 32767) >> 16
//   Cr - 128 = xr = (32768 R - 27439 G - 5329 B + 32767) >> 16
// and, Y' being an integer, Y' + (z >> 16) = (Y' * 65536 + z) >> 16, so with
// base = Y' * 65536 + 32768:
//   R' = (base + 91881 xr) >> 16,  91881 = 65536 + 26345
//   G' = (base - 22554 xb - 46802 xr) >> 16,  -46802 = -65536 + 18734
//   B' = (base + 116130 xb) >> 16,  116130 = 131072 - 14942
// Factors of 32768 become 65536 - 32768 for the same reason as in LumaSum.
// A lane masked to its high half holds x << 16 of the x it was shifted to,
// rounding towards minus infinity as >> does.
struct BrightnessInversion {
  __m128i byteMask, low16, high16, oneHigh, redByte;
  __m128i yBlueRed, yGreen, cbBlueRed, cbGreen, crBlueRed, crGreen;
  __m128i baseTop, toRed, toGreen, toBlue;
  VXL_SSE2 BrightnessInversion()
      : byteMask(Splat(0x00FF00FF)),
        low16(Splat(0x0000FFFF)),
        high16(Splat(0xFFFF0000)),
        oneHigh(Splat(0x00010000)),
        redByte(Splat(0x00FF0000)),
        // The sums' constants ride on the factor of the 1 beside G: the luma
        // sum gets -32768 (65536 comes back in baseTop), the chroma sums 32767.
        yBlueRed(Factors(7471, 19595)),
        yGreen(Factors(-27066, -32768)),
        cbBlueRed(Factors(-32768, -11059)),
        cbGreen(Factors(-21709, 32767)),
        crBlueRed(Factors(-5329, -32768)),
        crGreen(Factors(-27439, 32767)),
        baseTop(Splat(0x00FE8000)),  // (255 - 1) * 65536 + 32768
        toRed(Factors(0, 26345)),
        toGreen(Factors(-22554, 18734)),
        toBlue(Factors(-14942, 0)) {}

  VXL_SSE2 __m128i operator()(__m128i p) const {
    const __m128i br = _mm_and_si128(p, byteMask);                       // B | R << 16
    const __m128i ga = _mm_srli_epi16(p, 8);                             // G | A << 16
    const __m128i g1 = _mm_or_si128(_mm_and_si128(ga, low16), oneHigh);  // G | 1 << 16
    const __m128i ySum = _mm_add_epi32(                                  // sum - 65536
        _mm_add_epi32(_mm_madd_epi16(br, yBlueRed), _mm_madd_epi16(g1, yGreen)),
        _mm_slli_epi32(ga, 16));
    const __m128i base = _mm_sub_epi32(baseTop, _mm_and_si128(ySum, high16));
    const __m128i cb =
        _mm_add_epi32(_mm_add_epi32(_mm_madd_epi16(br, cbBlueRed), _mm_madd_epi16(g1, cbGreen)),
                      _mm_slli_epi32(br, 16));
    const __m128i cr =
        _mm_add_epi32(_mm_add_epi32(_mm_madd_epi16(br, crBlueRed), _mm_madd_epi16(g1, crGreen)),
                      _mm_and_si128(p, redByte));
    const __m128i xb16 = _mm_and_si128(cb, high16);                  // xb << 16
    const __m128i xr16 = _mm_and_si128(cr, high16);                  // xr << 16
    const __m128i xbr = _mm_or_si128(_mm_srli_epi32(cb, 16), xr16);  // xb | xr << 16
    const __m128i red = _mm_add_epi32(_mm_add_epi32(base, xr16), _mm_madd_epi16(xbr, toRed));
    const __m128i green = _mm_add_epi32(_mm_sub_epi32(base, xr16), _mm_madd_epi16(xbr, toGreen));
    const __m128i blue =
        _mm_add_epi32(_mm_add_epi32(base, _mm_add_epi32(xb16, xb16)), _mm_madd_epi16(xbr, toBlue));
    // The results are the high halves. Packing signed 16-bit values to
    // unsigned bytes clamps them to 0..255: B R B R ... G 0 G 0 ..., then
    // the two halves are interleaved into B G R 0.
    const __m128i blueRed = _mm_or_si128(_mm_srli_epi32(blue, 16), _mm_and_si128(red, high16));
    const __m128i bytes = _mm_packus_epi16(blueRed, _mm_srli_epi32(green, 16));
    return _mm_unpacklo_epi8(bytes, _mm_srli_si128(bytes, 8));
  }
};

}  // namespace

VXL_SSE2 VXL_KERNEL_ENTRY void FilterPixelsSse2(const std::uint32_t* in, std::uint32_t* out,
                                                std::size_t count, const TFilterSettings& s) {
  switch (s.Filter) {
    case fmColourInversion: ForEachVector(in, out, count, Invert()); break;
    case fmBrightnessInversion: ForEachVector(in, out, count, BrightnessInversion()); break;
    case fmColourSubstitution: ForEachVector(in, out, count, Substitute(s, 0)); break;
    case fmColourSubstitutionInverted:
      ForEachVector(in, out, count, Substitute(s, 0x00FFFFFF));
      break;
    case fmGreyLevels: ForEachVector(in, out, count, GreyLevels(0)); break;
    case fmGreyLevelsInverted: ForEachVector(in, out, count, GreyLevels(0x00FFFFFF)); break;
    case fmBlackAndWhite: ForEachVector(in, out, count, BlackAndWhite(0)); break;
    case fmBlackAndWhiteInverted: ForEachVector(in, out, count, BlackAndWhite(0x00FFFFFF)); break;
    default: break;
  }
}

}  // namespace vxl::detail

#endif
