#include "service/uformFilterWnd.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace vxl {
namespace {

// --- The oracle: every filter written again from its formulas, one pixel at
// a time, with an explicit floor division where the formulas shift right.

constexpr std::uint32_t Px(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (r << 16) | (g << 8) | b;
}
constexpr std::uint32_t GreyPx(std::uint32_t v) { return Px(v, v, v); }

std::int64_t FloorDiv65536(std::int64_t v) { return v >= 0 ? v / 65536 : -((-v + 65535) / 65536); }
std::int64_t Clamp(std::int64_t v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

std::uint32_t Oracle(std::uint32_t p, const TFilterSettings& s) {
  const std::int64_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  const std::int64_t y = FloorDiv65536(19595 * r + 38470 * g + 7471 * b + 32768);
  const auto grey = static_cast<std::uint32_t>(GreyPx(static_cast<std::uint32_t>(y)));
  const std::uint32_t blackOrWhite = y >= 128 ? GreyPx(255) : GreyPx(0);
  switch (s.Filter) {
    case 0: return p ^ 0xFFFFFF;
    case 1: {
      const std::int64_t cb = FloorDiv65536(-11059 * r - 21709 * g + 32768 * b + 8421375);
      const std::int64_t cr = FloorDiv65536(32768 * r - 27439 * g - 5329 * b + 8421375);
      const std::int64_t y2 = 255 - y;
      const std::int64_t r2 = Clamp(y2 + FloorDiv65536(91881 * (cr - 128) + 32768));
      const std::int64_t g2 =
          Clamp(y2 + FloorDiv65536(-22554 * (cb - 128) - 46802 * (cr - 128) + 32768));
      const std::int64_t b2 = Clamp(y2 + FloorDiv65536(116130 * (cb - 128) + 32768));
      return Px(static_cast<std::uint32_t>(r2), static_cast<std::uint32_t>(g2),
                static_cast<std::uint32_t>(b2));
    }
    case 2:
    case 3: {
      const std::uint32_t invert = s.Filter == 3 ? 0xFFFFFF : 0;
      if (p == s.ColSubst1.Src) return s.ColSubst1.Dst ^ invert;
      if (p == s.ColSubst2.Src) return s.ColSubst2.Dst ^ invert;
      return p ^ invert;
    }
    case 4: return grey;
    case 5: return grey ^ 0xFFFFFF;
    case 6: return blackOrWhite;
    case 7: return blackOrWhite ^ 0xFFFFFF;
    default: return p;
  }
}

// --- Paths and settings under test.

constexpr TFilterPath kPaths[] = {TFilterPath::Reference, TFilterPath::Sse2, TFilterPath::Avx2};

const char* PathName(TFilterPath path) {
  switch (path) {
    case TFilterPath::Reference: return "reference";
    case TFilterPath::Sse2: return "SSE2";
    case TFilterPath::Avx2: return "AVX2";
  }
  return "?";
}

std::string MissingPaths() {
  std::string missing;
  for (TFilterPath path : kPaths) {
    if (!IsFilterPathAvailable(path)) missing += std::string(" ") + PathName(path);
  }
  return missing;
}

// A path the processor lacks cannot run here: the test passes on the paths
// it did check and says which it could not, in the log and the XML report.
void NoteMissingPaths() {
  const std::string missing = MissingPaths();
  if (missing.empty()) return;
  ::testing::Test::RecordProperty("paths_not_run", missing);
  std::printf("[   NOTE   ] not run on this processor:%s\n", missing.c_str());
}

constexpr std::uint32_t kRed = Px(255, 0, 0), kGreen = Px(0, 255, 0), kBlue = Px(0, 0, 255);
constexpr std::uint32_t kWhite = GreyPx(255), kBlack = GreyPx(0);

struct SettingsCase {
  const char* name;
  TFilterSettings settings;
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const SettingsCase& c, std::ostream* os) { *os << c.name; }

TFilterSettings Mode(std::int32_t mode, TColourPair pair1 = {}, TColourPair pair2 = {}) {
  return MakeFilterSettings(mode, pair1, pair2);
}

// Every mode, and substitutions whose sources hit a colour, hit the same
// colour twice (pair 1 wins), hit NoColour, black and white, or miss every
// capture pixel (a top byte set); destinations with a top byte set too.
const SettingsCase kSettingsCases[] = {
    {"ColourInversion", Mode(0)},
    {"BrightnessInversion", Mode(1)},
    {"SubstitutionUnused", Mode(2)},
    {"SubstitutionRedToBlueGreenToWhite", Mode(2, {kRed, kBlue}, {kGreen, kWhite})},
    {"SubstitutionSameSourceTwice", Mode(2, {kRed, kBlue}, {kRed, kGreen})},
    {"SubstitutionBlackAndWhiteSwapped", Mode(2, {kBlack, kWhite}, {kWhite, kBlack})},
    {"SubstitutionOfNoColourAndAMiss", Mode(2, {NoColour, kRed}, {0xFF000000 | kBlue, kGreen})},
    {"SubstitutionToTopByteColours", Mode(2, {kRed, 0xFF00FF00}, {kBlue, 0x80123456})},
    {"InvertedSubstitutionUnused", Mode(3)},
    {"InvertedSubstitutionPicked", Mode(3, {kRed ^ 0xFFFFFF, kBlue ^ 0xFFFFFF}, {kBlack, kRed})},
    {"InvertedSubstitutionSameSourceTwice", Mode(3, {kWhite, kBlue}, {kWhite, kRed})},
    {"InvertedSubstitutionMisses", Mode(3, {0x01000000, kRed}, {0xFFFFFFFF, kGreen})},
    {"GreyLevels", Mode(4)},
    {"GreyLevelsInverted", Mode(5)},
    {"BlackAndWhite", Mode(6)},
    {"BlackAndWhiteInverted", Mode(7)},
};

// --- Every colour, every mode, every path.

// Under the sanitizers (and in unoptimised builds) every 17th colour, plus
// the substitutions' sources, keeps the run short; every mode and every
// path are still checked. Optimised builds check all 2^24 colours.
#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__)
constexpr std::uint32_t kColourStride = 17;
#else
constexpr std::uint32_t kColourStride = 1;
#endif

class EveryColour : public ::testing::TestWithParam<SettingsCase> {
 protected:
  // Built once for all the cases: the colours, and room for the results.
  struct Buffers {
    std::vector<std::uint32_t> colours, expected, out;
  };
  static void SetUpTestSuite() {
    buffers_ = new Buffers();
    auto& colours = buffers_->colours;
    colours.reserve((1u << 24) / kColourStride + 64);
    for (std::uint32_t c = 0; c < (1u << 24); c += kColourStride) colours.push_back(c);
    for (const SettingsCase& c : kSettingsCases) {
      colours.push_back(c.settings.ColSubst1.Src & 0xFFFFFF);
      colours.push_back(c.settings.ColSubst2.Src & 0xFFFFFF);
    }
    buffers_->expected.resize(colours.size());
    buffers_->out.resize(colours.size());
  }
  static void TearDownTestSuite() {
    delete buffers_;
    buffers_ = nullptr;
  }
  static Buffers* buffers_;
};
EveryColour::Buffers* EveryColour::buffers_ = nullptr;

TEST_P(EveryColour, EveryPathGivesTheFormulasPixels) {
  const TFilterSettings& settings = GetParam().settings;
  const std::vector<std::uint32_t>& in = buffers_->colours;
  std::vector<std::uint32_t>& expected = buffers_->expected;
  std::vector<std::uint32_t>& out = buffers_->out;
  for (std::size_t i = 0; i < in.size(); ++i) expected[i] = Oracle(in[i], settings);

  for (TFilterPath path : kPaths) {
    if (!IsFilterPathAvailable(path)) continue;
    std::fill(out.begin(), out.end(), 0xDEADBEEF);
    FilterPixels(path, in.data(), out.data(), in.size(), settings);
    if (std::memcmp(out.data(), expected.data(), out.size() * sizeof(out[0])) == 0) continue;
    std::size_t wrong = 0;
    while (out[wrong] == expected[wrong]) ++wrong;
    ADD_FAILURE() << PathName(path) << ": colour " << std::hex << in[wrong] << " gives "
                  << out[wrong] << ", not " << expected[wrong];
  }
  NoteMissingPaths();
}

INSTANTIATE_TEST_SUITE_P(PixelFilters, EveryColour, ::testing::ValuesIn(kSettingsCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Pixels the capture never gives (a top byte set), odd counts, odd
// addresses, in place and not.

TEST(PixelFilterPaths, AnyTopByteAnyLengthAnyAlignmentInPlaceOrNot) {
  std::mt19937 random(20240611);
  std::vector<std::uint32_t> source(4096 + 64);
  for (auto& p : source) p = static_cast<std::uint32_t>(random());
  for (TFilterPath path : kPaths) {
    if (!IsFilterPathAvailable(path)) continue;
    for (const SettingsCase& c : kSettingsCases) {
      const std::uint32_t* const in = source.data() + 3;  // not 16-byte aligned
      std::vector<std::uint32_t> expected(4096);
      for (std::size_t i = 0; i < expected.size(); ++i) expected[i] = Oracle(in[i], c.settings);

      std::vector<std::uint32_t> out(4096 + 2, 0xDEADBEEF);  // out[0] and the end: guards
      FilterPixels(path, in, out.data() + 1, 4096, c.settings);
      EXPECT_EQ(std::vector<std::uint32_t>(out.begin() + 1, out.end() - 1), expected)
          << PathName(path) << " " << c.name;
      EXPECT_EQ(out.front(), 0xDEADBEEF);
      EXPECT_EQ(out.back(), 0xDEADBEEF);

      for (std::size_t offset = 0; offset < 8; ++offset) {
        for (std::size_t count = 0; count <= 35; ++count) {
          std::vector<std::uint32_t> buffer(source.begin(), source.begin() + 48);
          FilterPixels(path, buffer.data() + offset, buffer.data() + offset, count, c.settings);
          for (std::size_t i = 0; i < buffer.size(); ++i) {
            const bool filtered = i >= offset && i < offset + count;
            ASSERT_EQ(buffer[i], filtered ? Oracle(source[i], c.settings) : source[i])
                << PathName(path) << " " << c.name << " offset " << offset << " count " << count
                << " pixel " << i;
          }
        }
      }
    }
  }
  NoteMissingPaths();
}

TEST(PixelFilterPaths, TheReferenceAlwaysRunsAndSse2OnEveryX8664) {
  EXPECT_TRUE(IsFilterPathAvailable(TFilterPath::Reference));
#if defined(__x86_64__)
  EXPECT_TRUE(IsFilterPathAvailable(TFilterPath::Sse2)) << "SSE2 is part of x86-64";
#endif
}

TEST(PixelFilterPaths, ModesOutsideTheListLeaveThePixelsAsCaptured) {
  const std::vector<std::uint32_t> in = {Px(1, 2, 3), 0xFF000000, kWhite, Px(9, 8, 7), kRed};
  for (TFilterPath path : kPaths) {
    for (std::int32_t mode : {8, 42, -1, INT32_MIN, INT32_MAX}) {
      std::vector<std::uint32_t> out(in.size(), 0);
      FilterPixels(path, in.data(), out.data(), in.size(), Mode(mode));
      EXPECT_EQ(out, in) << PathName(path) << " mode " << mode;
      std::vector<std::uint32_t> inPlace = in;
      FilterPixels(path, inPlace.data(), inPlace.data(), inPlace.size(), Mode(mode));
      EXPECT_EQ(inPlace, in) << PathName(path) << " mode " << mode;
    }
  }
}

TEST(PixelFilterPaths, TheLensUsesTheFastestPathThisProcessorHas) {
  EXPECT_TRUE(IsFilterPathAvailable(TFilterPath::Reference));
  const TFilterPath fastest = FastestFilterPath();
  EXPECT_TRUE(IsFilterPathAvailable(fastest));
  for (TFilterPath faster : {TFilterPath::Avx2, TFilterPath::Sse2}) {
    if (IsFilterPathAvailable(faster)) {
      EXPECT_EQ(fastest, faster) << PathName(fastest);
      break;
    }
  }
#if defined(__x86_64__)
  EXPECT_TRUE(IsFilterPathAvailable(TFilterPath::Sse2)) << "every x86-64 processor has SSE2";
#endif
  // The lens filters in place; the result is the path's.
  std::vector<std::uint32_t> pixels = {kRed, kGreen, kBlue, Px(18, 52, 86), Px(128, 128, 128)};
  std::vector<std::uint32_t> expected(pixels.size());
  for (std::size_t i = 0; i < pixels.size(); ++i) expected[i] = Oracle(pixels[i], Mode(1));
  ApplyPixelFilter(pixels.data(), pixels.size(), Mode(1));
  EXPECT_EQ(pixels, expected);
  ApplyPixelFilter(nullptr, 0, Mode(1));  // an empty capture is no error
}

// --- The documented examples, through every path.

struct Example {
  TFilterSettings settings;
  std::uint32_t in;
  std::uint32_t out;
};

TEST(PixelFilters, ExamplesOfEveryModeOnEveryPath) {
  const std::uint32_t luma127 = Px(127, 127, 127), luma128 = Px(128, 128, 128);
  ASSERT_EQ(Luma(127, 127, 127), 127u);
  ASSERT_EQ(Luma(128, 128, 128), 128u);
  const TFilterSettings redToBlue = Mode(2, {kRed, kBlue});
  const Example examples[] = {
      {Mode(0), kBlack, kWhite},
      {Mode(0), Px(18, 52, 86), Px(237, 203, 169)},
      {Mode(1), kBlack, kWhite},
      {Mode(1), kWhite, kBlack},
      {Mode(1), kRed, Px(255, 103, 103)},  // Y 76, Cb 85, Cr 255
      {Mode(1), Px(128, 128, 128), Px(127, 127, 127)},
      {redToBlue, kRed, kBlue},
      {redToBlue, Px(254, 0, 0), Px(254, 0, 0)},
      {redToBlue, kGreen, kGreen},
      {Mode(2), NoColour, NoColour},  // both pairs unused
      {Mode(2), kRed, kRed},
      {Mode(2, {kRed, kBlue}, {kRed, kGreen}), kRed, kBlue},  // pair 1 wins
      {Mode(3), NoColour, Px(237, 203, 169)},                 // as mode 0
      {Mode(3), kBlack, kWhite},
      {Mode(3, {kRed ^ 0xFFFFFF, kBlue ^ 0xFFFFFF}), kRed ^ 0xFFFFFF, kBlue},  // as picked
      {Mode(4), kRed, GreyPx(76)},
      {Mode(4), kGreen, GreyPx(150)},
      {Mode(4), kBlue, GreyPx(29)},
      {Mode(4), kWhite, kWhite},
      {Mode(5), kRed, GreyPx(179)},
      {Mode(5), kWhite, kBlack},
      {Mode(6), luma127, kBlack},
      {Mode(6), luma128, kWhite},
      {Mode(7), luma127, kWhite},
      {Mode(7), luma128, kBlack},
  };
  for (TFilterPath path : kPaths) {
    if (!IsFilterPathAvailable(path)) continue;
    for (const Example& e : examples) {
      // Among other pixels, so that the vector paths see it in a full vector.
      std::vector<std::uint32_t> pixels(19, Px(10, 200, 30));
      pixels[11] = e.in;
      FilterPixels(path, pixels.data(), pixels.data(), pixels.size(), e.settings);
      EXPECT_EQ(pixels[11], e.out)
          << PathName(path) << " mode " << e.settings.Filter << " pixel " << std::hex << e.in;
    }
  }
  EXPECT_EQ(FilterPixel(kRed, Mode(4)), GreyPx(76));
  EXPECT_EQ(InvertBrightness(kRed), Px(255, 103, 103));
}

TEST(PixelFilters, SetFilterKeepsTheColoursOfTheSubstitutionModesOnly) {
  const TColourPair pair{Px(1, 1, 1), Px(2, 2, 2)};
  for (std::int32_t mode = -1; mode <= 8; ++mode) {
    const TFilterSettings s = MakeFilterSettings(mode, pair, {kRed, kBlue});
    EXPECT_EQ(s.Filter, mode);
    const bool kept = mode == 2 || mode == 3;
    const TColourPair none{NoColour, NoColour}, second{kRed, kBlue};
    EXPECT_EQ(s.ColSubst1, kept ? pair : none) << mode;
    EXPECT_EQ(s.ColSubst2, kept ? second : none) << mode;
  }
}

// --- Colour forms between the pickers (0x00BBGGRR) and the lens.

TEST(ColourForms, PickerAndLensFormsWithNoColour) {
  EXPECT_EQ(kNoColourPicker, 0x00563412u);
  const struct {
    std::uint32_t picker;
    bool inverted;
    std::uint32_t lens;
  } cases[] = {
      {0x000000FF, false, 16711680},        // pure red is stored as 16711680
      {0x000000FF, true, Px(0, 255, 255)},  // and inverted in the inverting mode
      {0x00FFFFFF, false, 0x00FFFFFF},      // white
      {0x00FFFFFF, true, 0x00000000},       // shown black when inverted
      {kNoColourPicker, false, NoColour},   // a deactivated colour
      {kNoColourPicker, true, NoColour},    // is never inverted
      {Px(86, 52, 18), false, Px(18, 52, 86)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToFilterForm(c.picker, c.inverted), c.lens) << std::hex << c.picker << c.inverted;
    EXPECT_EQ(ToPickerForm(c.lens, c.inverted), c.picker) << std::hex << c.lens << c.inverted;
  }
  // A stored colour with a top byte comes back to the picker without it.
  EXPECT_EQ(ToPickerForm(0xFF0000FF, false), 0x00FF0000u);
  EXPECT_EQ(ToFilterForm(0x12FF0000, false), 0x000000FFu);
  // In the inverting mode, the picked colour whose inverse is NoColour
  // becomes NoColour itself: it reads back as the deactivated colour.
  EXPECT_EQ(ToFilterForm(ToPickerForm(NoColour ^ 0xFFFFFF, false), true), NoColour);
  EXPECT_EQ(ToPickerForm(NoColour, true), kNoColourPicker);
  // Every other colour survives the round trip in both modes.
  for (std::uint32_t c = 0; c < (1u << 24); c += 4099) {
    for (bool inverted : {false, true}) {
      const std::uint32_t lens = Px(c & 0xFF, (c >> 8) & 0xFF, c >> 16);
      if (inverted && (lens ^ 0xFFFFFF) == NoColour) continue;
      EXPECT_EQ(ToPickerForm(ToFilterForm(c, inverted), inverted), c) << std::hex << c;
    }
  }
}

}  // namespace
}  // namespace vxl
