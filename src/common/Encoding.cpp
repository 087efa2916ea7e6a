#include "common/Encoding.h"

#include <array>
#include <cstdint>

namespace vxl {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Windows-1252 bytes 0x80..0x9F; the others of 0xA0..0xFF are Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Length of the valid UTF-8 sequence at bytes[at], 0 when it is not one.
std::size_t SequenceLength(std::string_view bytes, std::size_t at, char32_t& decoded) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
  const std::uint8_t lead = byte(at);
  std::size_t length = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    decoded = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, c = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, c = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, c = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(at + i) & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  decoded = c;
  return length;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    char32_t c;
    const std::size_t length = SequenceLength(bytes, at, c);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char ch : bytes) {
    const auto b = static_cast<std::uint8_t>(ch);
    AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char32_t{b});
  }
  return out;
}

std::string Utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    char32_t c = 0;
    std::size_t length = SequenceLength(utf8, at, c);
    if (length == 0) {  // not UTF-8 after all: keep the byte
      out += utf8[at++];
      continue;
    }
    at += length;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out += static_cast<char>(c);
      continue;
    }
    char mapped = '?';
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
      if (kHighControls[i] == c) mapped = static_cast<char>(0x80 + i);
    }
    out += mapped;
  }
  return out;
}

std::string DecodeFileText(std::string_view bytes, TextEncoding& found) {
  if (bytes.starts_with(kUtf8Bom)) {
    found = TextEncoding::Utf8WithBom;
    return std::string(bytes.substr(kUtf8Bom.size()));
  }
  if (IsValidUtf8(bytes)) {
    found = TextEncoding::Utf8;
    return std::string(bytes);
  }
  found = TextEncoding::Windows1252;
  return Windows1252ToUtf8(bytes);
}

std::string EncodeFileText(std::string_view utf8, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8WithBom: return std::string(kUtf8Bom) + std::string(utf8);
    case TextEncoding::Windows1252: return Utf8ToWindows1252(utf8);
    case TextEncoding::Utf8: break;
  }
  return std::string(utf8);
}

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

std::string Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

std::string Concat(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (std::string_view piece : pieces) size += piece.size();
  std::string joined;
  joined.reserve(size);
  for (std::string_view piece : pieces) joined.append(piece);
  return joined;
}

}  // namespace vxl
