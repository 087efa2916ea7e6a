// TMsgLocalizer, the message catalogue: the texts of messages, titles, list
// entries and grid headings, looked up by key in Lang\<language>.Msg. One
// instance per program, on the user-interface thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/FileSystem.h"
#include "common/MessageBoxes.h"

namespace vxl {

// Caption of the box shown when a language file is missing; fixed, since
// without the file there is no catalogue to take it from.
inline constexpr const char* kMissingFileCaption = "This file does not exist";

// Replaces every "%s%" by one blank: how a language file keeps a blank at
// either end of a value, which the ini reader would otherwise trim.
std::string ReplaceBlankMarks(std::string_view value);

// The tree whose node captions FillTree sets (the configuration program's
// category tree); nodes are addressed by absolute index in tree order.
class ITreeCaptions {
 public:
  virtual ~ITreeCaptions() = default;
  virtual int NodeCount() const = 0;
  virtual void SetNodeCaption(int index, const std::string& caption) = 0;
};

class TMsgLocalizer {
 public:
  // An empty language leaves the catalogue unusable (every lookup empty).
  // A missing file is reported at once, without owner.
  TMsgLocalizer(IFileSystem& files, IMessageBoxes& boxes, std::string language,
                std::string directory);

  const std::string& Directory() const { return directory_; }
  const std::string& Language() const { return language_; }
  const std::string& Section() const { return section_; }
  const std::string& CommonSection() const { return commonSection_; }
  bool FileFound() const { return fileFound_; }
  // Directory + Language + ".Msg".
  std::string FilePath() const;

  void SetSection(std::string section) { section_ = std::move(section); }
  void SetCommonSection(std::string section) { commonSection_ = std::move(section); }
  // Adds the closing backslash; an empty directory stays empty.
  void SetDirectory(std::string directory);
  // Switches language and reloads; the file is not checked again.
  void SetLanguage(std::string language);

  bool IsReady() const;
  bool IsLoaded() const;
  // Reads the main section, then the common section, into the cache; true
  // when it holds at least one line.
  bool Load();

  // The text of a key (main section first, then the common one), "%s%"
  // turned into blanks; empty when there is none. A lookup in memory once
  // loaded.
  std::string GetMsg(std::string_view key);
  // The values of a section, in file order, read from the file.
  bool FillStrings(std::string_view section, std::vector<std::string>& strings) const;
  // Node n takes the text of key prefix + n when that text is not empty.
  bool FillTree(std::string_view prefix, ITreeCaptions& tree);

  // The cached lines (key=value), main section first.
  const std::optional<std::vector<std::string>>& Cache() const { return cache_; }

 private:
  struct IndexEntry {
    std::string foldedKey;
    std::string raw;   // the value as in the file
    std::string text;  // the value with "%s%" replaced
  };
  const IndexEntry* Find(std::string_view key) const;
  void BuildIndex();

  IFileSystem& files_;
  std::string directory_;
  std::string language_;
  std::string section_;
  std::string commonSection_;
  bool fileFound_ = false;
  std::optional<std::vector<std::string>> cache_;
  // cache_ sorted by folded key, file order kept among equal keys, so that
  // a lookup is a binary search that finds the first line of a key.
  std::vector<IndexEntry> index_;
};

}  // namespace vxl
