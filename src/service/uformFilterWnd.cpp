#include "service/uformFilterWnd.h"

#include <cstring>
#include <iterator>

#include "service/PixelFilterKernels.h"

namespace vxl {
namespace {

constexpr std::uint32_t kInvert = 0x00FFFFFF;

constexpr std::int32_t Red(std::uint32_t p) { return static_cast<std::int32_t>((p >> 16) & 0xFF); }
constexpr std::int32_t Green(std::uint32_t p) { return static_cast<std::int32_t>((p >> 8) & 0xFF); }
constexpr std::int32_t Blue(std::uint32_t p) { return static_cast<std::int32_t>(p & 0xFF); }
constexpr std::uint32_t Rgb(std::int32_t r, std::int32_t g, std::int32_t b) {
  return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
         static_cast<std::uint32_t>(b);
}
constexpr std::uint32_t Grey(std::uint32_t level) { return Rgb(level, level, level); }
constexpr std::int32_t Clamp255(std::int32_t v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

constexpr std::uint32_t SwapRedBlue(std::uint32_t c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

std::uint32_t LumaOf(std::uint32_t p) { return Luma(Red(p), Green(p), Blue(p)); }

std::uint32_t BlackOrWhite(std::uint32_t p) { return LumaOf(p) >= 128 ? Grey(255) : Grey(0); }

std::uint32_t Substitute(std::uint32_t p, const TFilterSettings& s, std::uint32_t invert) {
  if (p == s.ColSubst1.Src) return s.ColSubst1.Dst ^ invert;
  if (p == s.ColSubst2.Src) return s.ColSubst2.Dst ^ invert;
  return p ^ invert;
}

void FilterPixelsReference(const std::uint32_t* in, std::uint32_t* out, std::size_t count,
                           const TFilterSettings& settings) {
  for (std::size_t i = 0; i < count; ++i) out[i] = FilterPixel(in[i], settings);
}

bool ProcessorHas(TFilterPath path) {
#if VXL_PIXEL_FILTERS_X86
  __builtin_cpu_init();
  switch (path) {
    case TFilterPath::Reference: return true;
#if defined(__x86_64__)
    case TFilterPath::Sse2: return true;  // part of every x86-64 processor
#else
    case TFilterPath::Sse2: return __builtin_cpu_supports("sse2");
#endif
    // Also false where the system does not save the AVX registers.
    case TFilterPath::Avx2: return __builtin_cpu_supports("avx2");
  }
  return false;
#else
  return path == TFilterPath::Reference;
#endif
}

}  // namespace

TFilterSettings MakeFilterSettings(std::int32_t mode, TColourPair pair1, TColourPair pair2) {
  TFilterSettings settings;
  settings.Filter = mode;
  if (IsSubstitutionMode(mode)) {
    settings.ColSubst1 = pair1;
    settings.ColSubst2 = pair2;
  }
  return settings;
}

std::uint32_t ToFilterForm(std::uint32_t windowsColour, bool inverted) {
  const std::uint32_t colour = SwapRedBlue(windowsColour);
  return inverted && colour != NoColour ? colour ^ kInvert : colour;
}

std::uint32_t ToPickerForm(std::uint32_t filterColour, bool inverted) {
  const std::uint32_t colour =
      inverted && filterColour != NoColour ? filterColour ^ kInvert : filterColour;
  return SwapRedBlue(colour);
}

std::uint32_t InvertBrightness(std::uint32_t p) {
  const std::int32_t r = Red(p), g = Green(p), b = Blue(p);
  // Both chroma sums are never negative: 8421375 = 128 * 65536 + 32767.
  const std::int32_t y = (19595 * r + 38470 * g + 7471 * b + 32768) >> 16;
  const std::int32_t cb = (-11059 * r - 21709 * g + 32768 * b + 8421375) >> 16;
  const std::int32_t cr = (32768 * r - 27439 * g - 5329 * b + 8421375) >> 16;
  const std::int32_t inverted = 255 - y;
  // >> on a negative value is an arithmetic shift: it rounds towards -inf.
  const std::int32_t red = inverted + ((91881 * (cr - 128) + 32768) >> 16);
  const std::int32_t green = inverted + ((-22554 * (cb - 128) - 46802 * (cr - 128) + 32768) >> 16);
  const std::int32_t blue = inverted + ((116130 * (cb - 128) + 32768) >> 16);
  return Rgb(Clamp255(red), Clamp255(green), Clamp255(blue));
}

std::uint32_t FilterPixel(std::uint32_t p, const TFilterSettings& s) {
  switch (s.Filter) {
    case fmColourInversion: return p ^ kInvert;
    case fmBrightnessInversion: return InvertBrightness(p);
    case fmColourSubstitution: return Substitute(p, s, 0);
    case fmColourSubstitutionInverted: return Substitute(p, s, kInvert);
    case fmGreyLevels: return Grey(LumaOf(p));
    case fmGreyLevelsInverted: return Grey(LumaOf(p)) ^ kInvert;
    case fmBlackAndWhite: return BlackOrWhite(p);
    case fmBlackAndWhiteInverted: return BlackOrWhite(p) ^ kInvert;
    default: return p;  // other values leave the capture as it is
  }
}

bool IsFilterPathAvailable(TFilterPath path) {
  // The processor does not change while we run: asked once per path.
  static const bool available[] = {ProcessorHas(TFilterPath::Reference),
                                   ProcessorHas(TFilterPath::Sse2),
                                   ProcessorHas(TFilterPath::Avx2)};
  const auto index = static_cast<std::size_t>(path);
  return index < std::size(available) && available[index];
}

TFilterPath FastestFilterPath() {
  static const TFilterPath fastest = IsFilterPathAvailable(TFilterPath::Avx2) ? TFilterPath::Avx2
                                     : IsFilterPathAvailable(TFilterPath::Sse2)
                                         ? TFilterPath::Sse2
                                         : TFilterPath::Reference;
  return fastest;
}

void FilterPixels(TFilterPath path, const std::uint32_t* in, std::uint32_t* out, std::size_t count,
                  const TFilterSettings& settings) {
  if (count == 0) return;
  if (settings.Filter < 0 || settings.Filter >= kFilterModeCount) {
    if (out != in) std::memcpy(out, in, count * sizeof(*in));
    return;
  }
  if (!IsFilterPathAvailable(path)) path = TFilterPath::Reference;
  switch (path) {
#if VXL_PIXEL_FILTERS_X86
    case TFilterPath::Sse2: detail::FilterPixelsSse2(in, out, count, settings); return;
    case TFilterPath::Avx2: detail::FilterPixelsAvx2(in, out, count, settings); return;
#endif
    default: FilterPixelsReference(in, out, count, settings); return;
  }
}

void ApplyPixelFilter(std::uint32_t* pixels, std::size_t count, const TFilterSettings& settings) {
  FilterPixels(FastestFilterPath(), pixels, pixels, count, settings);
}

}  // namespace vxl
