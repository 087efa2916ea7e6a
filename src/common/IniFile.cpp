#include "common/IniFile.h"

#include <charconv>
#include <cstdint>

namespace vxl {
namespace {

// Large enough for any ini file of ours; a bigger one is read in part.
constexpr std::size_t kIniMaxFileBytes = 16 * 1024 * 1024;

// The first maxChars characters of a UTF-8 text.
std::string CutToChars(std::string value, std::size_t maxChars) {
  std::size_t chars = 0;
  for (std::size_t at = 0; at < value.size(); ++at) {
    if ((static_cast<unsigned char>(value[at]) & 0xC0) == 0x80) continue;
    if (chars++ == maxChars) {
      value.resize(at);
      break;
    }
  }
  return value;
}

}  // namespace

TIniDocument::Line TIniDocument::ParseLine(std::string text) {
  Line line;
  const std::string trimmed = Trim(text);
  line.text = std::move(text);
  if (trimmed.empty()) return line;
  if (trimmed.front() == ';') {
    line.kind = LineKind::Comment;
    return line;
  }
  if (trimmed.front() == '[') {
    const std::size_t close = trimmed.rfind(']');
    if (close == std::string::npos || close == 0) return line;  // broken header: ignored
    line.kind = LineKind::Section;
    line.name = Trim(std::string_view(trimmed).substr(1, close - 1));
    return line;
  }
  line.kind = LineKind::Entry;
  const std::size_t equals = trimmed.find('=');
  line.hasEquals = equals != std::string::npos;
  line.name = Trim(std::string_view(trimmed).substr(0, equals));
  if (line.hasEquals) line.value = Trim(std::string_view(trimmed).substr(equals + 1));
  return line;
}

TIniDocument TIniDocument::Parse(std::string_view fileBytes) {
  TIniDocument document;
  const std::string text = DecodeFileText(fileBytes, document.encoding_);
  // Only LF ends a line (with the CR before it, if any); any other CR is
  // part of the line's text, so that it is written back where it was.
  std::size_t crlfLines = 0;
  std::size_t lfLines = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t lf = text.find('\n', start);
    const bool ended = lf != std::string::npos;
    const bool crlf = ended && lf > start && text[lf - 1] == '\r';
    const std::size_t textEnd = !ended ? text.size() : crlf ? lf - 1 : lf;
    Line line = ParseLine(text.substr(start, textEnd - start));
    if (ended) {
      line.end = crlf ? "\r\n" : "\n";
      ++(crlf ? crlfLines : lfLines);
    }
    document.lines_.push_back(std::move(line));
    start = ended ? lf + 1 : text.size();
  }
  if (lfLines > crlfLines) document.newLineEnd_ = "\n";
  return document;
}

std::string TIniDocument::Serialize() const {
  std::string text;
  for (const Line& line : lines_) {
    text += line.text;
    text += line.end;
  }
  return EncodeFileText(text, encoding_);
}

void TIniDocument::InsertLine(std::size_t at, std::string text) {
  Line line = ParseLine(std::move(text));
  line.end = newLineEnd_;
  if (at == lines_.size() && !lines_.empty() && lines_.back().end.empty()) {
    // The file ended without a line end: the old last line needs one now,
    // and the new last line goes without, as the file did.
    lines_.back().end = newLineEnd_;
    line.end = {};
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::size_t TIniDocument::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == LineKind::Section && EqualsNoCase(lines_[i].name, section)) return i;
  }
  return lines_.size();
}

std::size_t TIniDocument::SectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  while (end < lines_.size() && lines_[end].kind != LineKind::Section) ++end;
  return end;
}

bool TIniDocument::HasSection(std::string_view section) const {
  return FindSection(section) < lines_.size();
}

std::optional<std::string> TIniDocument::Value(std::string_view section,
                                               std::string_view key) const {
  const std::size_t header = FindSection(section);
  if (header == lines_.size()) return std::nullopt;
  for (std::size_t i = header + 1, end = SectionEnd(header); i < end; ++i) {
    const Line& line = lines_[i];
    if (line.kind == LineKind::Entry && EqualsNoCase(line.name, key)) {
      return CutToChars(line.value, kIniValueMaxChars);
    }
  }
  return std::nullopt;
}

std::vector<std::string> TIniDocument::SectionLines(std::string_view section) const {
  std::vector<std::string> result;
  const std::size_t header = FindSection(section);
  if (header == lines_.size()) return result;
  for (std::size_t i = header + 1, end = SectionEnd(header); i < end; ++i) {
    const Line& line = lines_[i];
    if (line.kind != LineKind::Entry) continue;
    result.push_back(line.hasEquals ? Concat({line.name, "=", line.value}) : line.name);
  }
  return result;
}

std::vector<std::string> TIniDocument::SectionNames() const {
  std::vector<std::string> names;
  for (const Line& line : lines_) {
    if (line.kind != LineKind::Section) continue;
    bool seen = false;
    for (const auto& name : names) seen = seen || EqualsNoCase(name, line.name);
    if (!seen) names.push_back(line.name);
  }
  return names;
}

void TIniDocument::SetValue(std::string_view section, std::string_view key,
                            std::string_view value) {
  std::size_t header = FindSection(section);
  if (header == lines_.size()) {
    if (!lines_.empty() && !Trim(lines_.back().text).empty()) InsertLine(lines_.size(), "");
    InsertLine(lines_.size(), Concat({"[", section, "]"}));
    header = lines_.size() - 1;
  }
  const std::size_t end = SectionEnd(header);
  std::size_t insertAt = header + 1;
  for (std::size_t i = header + 1; i < end; ++i) {
    Line& line = lines_[i];
    if (line.kind != LineKind::Entry) continue;
    if (EqualsNoCase(line.name, key)) {
      const std::string_view end = line.end;
      line = ParseLine(Concat({line.name, "=", value}));  // the key keeps its spelling
      line.end = end;
      return;
    }
    insertAt = i + 1;
  }
  InsertLine(insertAt, Concat({key, "=", value}));
}

bool TIniDocument::EraseSection(std::string_view section) {
  bool erased = false;
  for (std::size_t header; (header = FindSection(section)) < lines_.size();) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
    erased = true;
  }
  return erased;
}

// --- TIniFile ---------------------------------------------------------------

std::optional<TIniDocument> TIniFile::Read() const {
  const auto bytes = files_.ReadBytes(path_, kIniMaxFileBytes);
  if (!bytes) return std::nullopt;
  return TIniDocument::Parse(*bytes);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
  const auto document = Read();
  if (!document) return std::string(fallback);
  return document->Value(section, key).value_or(std::string(fallback));
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
  int base = 10;
  bool negative = false;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  } else if (text.starts_with('-') || text.starts_with('+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Only digits may follow: an unsigned parse takes no second sign, and the
  // magnitude is checked before it gets a sign, so nothing can overflow.
  std::uint64_t magnitude = 0;
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, magnitude, base);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
  if (magnitude > limit) return std::nullopt;
  const auto value = static_cast<std::int64_t>(magnitude);
  return static_cast<std::int32_t>(negative ? -value : value);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  return ParseIniInteger(ReadString(section, key, "")).value_or(fallback);
}

std::vector<std::string> TIniFile::ReadSectionLines(std::string_view section) const {
  const auto document = Read();
  return document ? document->SectionLines(section) : std::vector<std::string>();
}

std::vector<std::string> TIniFile::SectionNames() const {
  const auto document = Read();
  return document ? document->SectionNames() : std::vector<std::string>();
}

std::optional<TIniDocument> TIniFile::ReadForUpdate(bool& readable) const {
  readable = true;
  if (!files_.IsFile(path_)) return TIniDocument::Parse("");
  auto document = Read();
  // A file that is there but cannot be read must not be replaced by a new
  // one holding only the value written.
  readable = document.has_value();
  return document;
}

bool TIniFile::Store(const TIniDocument& document) {
  return WriteFileAtomically(files_, path_, document.Serialize()) == WriteResult::Ok;
}

bool TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  bool readable = false;
  auto document = ReadForUpdate(readable);
  if (!readable) return false;
  document->SetValue(section, key, value);
  return Store(*document);
}

bool TIniFile::EraseSection(std::string_view section) {
  bool readable = false;
  auto document = ReadForUpdate(readable);
  if (!readable) return false;
  if (!document->EraseSection(section)) return true;
  return Store(*document);
}

}  // namespace vxl
