#include "service/uformFilterWnd.h"

#include <array>

namespace vxl {
namespace {

constexpr std::uint32_t kInvert = 0x00FFFFFF;

constexpr std::uint32_t Grey(std::uint32_t level) { return (level << 16) | (level << 8) | level; }
constexpr std::uint32_t Red(std::uint32_t p) { return (p >> 16) & 0xFF; }
constexpr std::uint32_t Green(std::uint32_t p) { return (p >> 8) & 0xFF; }
constexpr std::uint32_t Blue(std::uint32_t p) { return p & 0xFF; }

// The per-component products of the YCbCr conversion and the colour
// offsets back from Cb and Cr, computed once: brightness inversion then
// costs lookups and additions per pixel, with the exact rounding of the
// formulas (green's offset depends on both Cb and Cr and is rounded after
// their sum, so only its two products come from the tables).
struct BrightnessTables {
  std::array<std::int32_t, 256> yR, yG, yB;     // luma products
  std::array<std::int32_t, 256> cbR, cbG, cbB;  // Cb products
  std::array<std::int32_t, 256> crR, crG, crB;  // Cr products
  std::array<std::int32_t, 256> redFromCr;      // (91881 (Cr - 128) + 32768) asr 16
  std::array<std::int32_t, 256> blueFromCb;     // (116130 (Cb - 128) + 32768) asr 16
  std::array<std::int32_t, 256> greenFromCb;    // -22554 (Cb - 128)
  std::array<std::int32_t, 256> greenFromCr;    // -46802 (Cr - 128)
  std::array<std::uint8_t, 768> clamp;          // index v + 256 for v in -256..511

  constexpr BrightnessTables()
      : yR(),
        yG(),
        yB(),
        cbR(),
        cbG(),
        cbB(),
        crR(),
        crG(),
        crB(),
        redFromCr(),
        blueFromCb(),
        greenFromCb(),
        greenFromCr(),
        clamp() {
    for (std::int32_t v = 0; v < 256; ++v) {
      yR[v] = 19595 * v;
      yG[v] = 38470 * v;
      yB[v] = 7471 * v;
      cbR[v] = -11059 * v;
      cbG[v] = -21709 * v;
      cbB[v] = 32768 * v;
      crR[v] = 32768 * v;
      crG[v] = -27439 * v;
      crB[v] = -5329 * v;
      // >> on a negative value is an arithmetic shift: it rounds towards -inf.
      redFromCr[v] = (91881 * (v - 128) + 32768) >> 16;
      blueFromCb[v] = (116130 * (v - 128) + 32768) >> 16;
      greenFromCb[v] = -22554 * (v - 128);
      greenFromCr[v] = -46802 * (v - 128);
    }
    for (std::int32_t i = 0; i < 768; ++i) {
      const std::int32_t v = i - 256;
      clamp[i] = static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
    }
  }
};

constexpr BrightnessTables kTables;

std::uint32_t Clamp(std::int32_t v) { return kTables.clamp[static_cast<std::size_t>(v + 256)]; }

template <typename Transform>
void ForEachPixel(std::uint32_t* pixels, std::size_t count, Transform transform) {
  for (std::size_t i = 0; i < count; ++i) pixels[i] = transform(pixels[i]);
}

std::uint32_t Substitute(std::uint32_t p, const TFilterSettings& s, std::uint32_t invert) {
  if (p == s.ColSubst1.Src) return s.ColSubst1.Dst ^ invert;
  if (p == s.ColSubst2.Src) return s.ColSubst2.Dst ^ invert;
  return p ^ invert;
}

std::uint32_t BlackOrWhite(std::uint32_t p) {
  return Luma(Red(p), Green(p), Blue(p)) >= 128 ? Grey(255) : Grey(0);
}

}  // namespace

TFilterSettings MakeFilterSettings(std::int32_t mode, TColourPair pair1, TColourPair pair2) {
  TFilterSettings settings;
  settings.Filter = mode;
  if (mode == fmColourSubstitution || mode == fmColourSubstitutionInverted) {
    settings.ColSubst1 = pair1;
    settings.ColSubst2 = pair2;
  }
  return settings;
}

std::uint32_t InvertBrightness(std::uint32_t p) {
  const std::uint32_t r = Red(p), g = Green(p), b = Blue(p);
  const auto& t = kTables;
  // The sums are never negative: 8421375 = 128 * 65536 + 32767.
  const std::int32_t y = (t.yR[r] + t.yG[g] + t.yB[b] + 32768) >> 16;
  const std::int32_t cb = (t.cbR[r] + t.cbG[g] + t.cbB[b] + 8421375) >> 16;
  const std::int32_t cr = (t.crR[r] + t.crG[g] + t.crB[b] + 8421375) >> 16;
  const std::int32_t inverted = 255 - y;
  const std::uint32_t red = Clamp(inverted + t.redFromCr[cr]);
  const std::uint32_t green =
      Clamp(inverted + ((t.greenFromCb[cb] + t.greenFromCr[cr] + 32768) >> 16));
  const std::uint32_t blue = Clamp(inverted + t.blueFromCb[cb]);
  return (red << 16) | (green << 8) | blue;
}

void ApplyPixelFilter(std::uint32_t* pixels, std::size_t count, const TFilterSettings& s) {
  switch (s.Filter) {
    case fmColourInversion:
      ForEachPixel(pixels, count, [](std::uint32_t p) { return p ^ kInvert; });
      break;
    case fmBrightnessInversion: {
      // Screens are mostly runs of equal pixels: the last result is kept.
      std::uint32_t lastIn = 0, lastOut = InvertBrightness(0);
      ForEachPixel(pixels, count, [&](std::uint32_t p) {
        if (p != lastIn) {
          lastIn = p;
          lastOut = InvertBrightness(p);
        }
        return lastOut;
      });
      break;
    }
    case fmColourSubstitution:
      ForEachPixel(pixels, count, [&](std::uint32_t p) { return Substitute(p, s, 0); });
      break;
    case fmColourSubstitutionInverted:
      ForEachPixel(pixels, count, [&](std::uint32_t p) { return Substitute(p, s, kInvert); });
      break;
    case fmGreyLevels:
      ForEachPixel(pixels, count,
                   [](std::uint32_t p) { return Grey(Luma(Red(p), Green(p), Blue(p))); });
      break;
    case fmGreyLevelsInverted:
      ForEachPixel(pixels, count,
                   [](std::uint32_t p) { return Grey(Luma(Red(p), Green(p), Blue(p))) ^ kInvert; });
      break;
    case fmBlackAndWhite: ForEachPixel(pixels, count, BlackOrWhite); break;
    case fmBlackAndWhiteInverted:
      ForEachPixel(pixels, count, [](std::uint32_t p) { return BlackOrWhite(p) ^ kInvert; });
      break;
    default: break;  // other values leave the capture as it is
  }
}

}  // namespace vxl
