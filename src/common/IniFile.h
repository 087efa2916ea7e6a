// Our own private-profile (ini) files: sections in brackets, key=value
// lines, ";" comment lines. Behaves like the system's profile functions where
// the programs rely on it: section and key names compared without regard to
// case, blanks around keys and values trimmed, the first of duplicate keys
// (and sections) wins, values read up to 2047 characters. Lines we do not
// touch are written back exactly as read, in the file's own encoding.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Encoding.h"
#include "common/FileSystem.h"

namespace vxl {

constexpr std::size_t kIniValueMaxChars = 2047;

// An integer value: decimal digits with at most one sign ("-12", "+7"), or
// "0x" and hexadecimal digits ("0x1F", no sign). Nothing for anything else
// and for a value outside the 32-bit int range (so "0x80000000" is no
// number, rather than wrapping round to a negative one).
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

// One ini file in memory.
class TIniDocument {
 public:
  static TIniDocument Parse(std::string_view fileBytes);

  // The file's bytes: its encoding kept, and every untouched line with its
  // own line end (a changed line keeps its line end too).
  std::string Serialize() const;

  // The value of a key, cut to 2047 characters; nothing when the section or
  // the key is absent.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // Every line of a section in file order, as "key=value" (a line without an
  // equals sign as its key alone); empty when the section is absent.
  std::vector<std::string> SectionLines(std::string_view section) const;
  std::vector<std::string> SectionNames() const;
  bool HasSection(std::string_view section) const;

  // Replaces the first key of that name, or adds it at the end of the
  // section; the section is added at the end of the file when absent.
  void SetValue(std::string_view section, std::string_view key, std::string_view value);
  // Removes every section of that name with all its lines; false when none.
  bool EraseSection(std::string_view section);

  TextEncoding Encoding() const { return encoding_; }

 private:
  enum class LineKind { Other, Comment, Section, Entry };
  struct Line {
    LineKind kind = LineKind::Other;
    std::string text;  // as read (or as we wrote it), without its line end
    // "\r\n", "\n", or empty for a last line without one (literals only)
    std::string_view end;
    std::string name;   // section name, or the key of an entry
    std::string value;  // value of an entry
    bool hasEquals = false;
  };
  static Line ParseLine(std::string text);
  // Inserts a line we write, ended like the file's lines mostly are.
  void InsertLine(std::size_t at, std::string text);
  // Index of the first header of a section, lines_.size() when absent.
  std::size_t FindSection(std::string_view section) const;
  // End (exclusive) of the section whose header is at index header.
  std::size_t SectionEnd(std::size_t header) const;

  std::vector<Line> lines_;
  TextEncoding encoding_ = TextEncoding::Utf8;
  // The line end of the lines we add: the one most lines of the file have,
  // CR LF for a new file or a tie.
  std::string_view newLineEnd_ = "\r\n";
};

// An ini file on disk. Every call reads the file afresh (and every write
// replaces it atomically), so changes made by the other program are seen.
class TIniFile {
 public:
  TIniFile(IFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  // The document, nothing when the file is missing or unreadable.
  std::optional<TIniDocument> Read() const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // The value read by ParseIniInteger; the fallback when the key is absent or
  // its value is not such a number.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
  std::vector<std::string> ReadSectionLines(std::string_view section) const;
  std::vector<std::string> SectionNames() const;

  // Creates the file and section as needed. False when the file exists but
  // cannot be read (it is then left alone) or cannot be written.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  bool EraseSection(std::string_view section);

 private:
  std::optional<TIniDocument> ReadForUpdate(bool& readable) const;
  bool Store(const TIniDocument& document);

  IFileSystem& files_;
  std::string path_;
};

}  // namespace vxl
