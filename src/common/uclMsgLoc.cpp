#include "common/uclMsgLoc.h"

#include <algorithm>

#include "common/Encoding.h"
#include "common/IniFile.h"

namespace vxl {
namespace {

std::string_view KeyOf(std::string_view line) { return line.substr(0, line.find('=')); }

std::string_view ValueOf(std::string_view line) {
  const std::size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
}

// Orders folded keys against a key folded on the fly, without allocating.
int CompareFolded(std::string_view folded, std::string_view key) {
  const std::size_t common = std::min(folded.size(), key.size());
  for (std::size_t i = 0; i < common; ++i) {
    const char a = folded[i];
    const char b = FoldCase(key[i]);
    if (a != b) return static_cast<unsigned char>(a) < static_cast<unsigned char>(b) ? -1 : 1;
  }
  return folded.size() < key.size() ? -1 : (folded.size() > key.size() ? 1 : 0);
}

}  // namespace

std::string ReplaceBlankMarks(std::string_view value) {
  std::string result;
  result.reserve(value.size());
  for (std::size_t at = 0; at < value.size();) {
    if (value.substr(at, 3) == "%s%") {
      result += ' ';
      at += 3;
    } else {
      result += value[at++];
    }
  }
  return result;
}

TMsgLocalizer::TMsgLocalizer(IFileSystem& files, IMessageBoxes& boxes, std::string language,
                             std::string directory)
    : files_(files) {
  if (language.empty()) return;
  language_ = std::move(language);
  SetDirectory(std::move(directory));
  fileFound_ = files_.IsFile(FilePath());
  if (!fileFound_) {
    boxes.Show(0, FilePath(), kMissingFileCaption, BoxIcon::Error, BoxButtons::Ok);
  }
}

std::string TMsgLocalizer::FilePath() const { return directory_ + language_ + ".Msg"; }

void TMsgLocalizer::SetDirectory(std::string directory) {
  if (!directory.empty() && directory.back() != '\\') directory += '\\';
  directory_ = std::move(directory);
}

void TMsgLocalizer::SetLanguage(std::string language) {
  language_ = std::move(language);
  Load();
}

bool TMsgLocalizer::IsReady() const { return !section_.empty() && fileFound_; }

bool TMsgLocalizer::IsLoaded() const { return cache_ && IsReady() && !cache_->empty(); }

bool TMsgLocalizer::Load() {
  if (!IsReady()) return false;
  cache_.emplace();
  const auto document = TIniFile(files_, FilePath()).Read();
  if (document) {
    *cache_ = document->SectionLines(section_);
    if (!commonSection_.empty()) {
      const auto common = document->SectionLines(commonSection_);
      cache_->insert(cache_->end(), common.begin(), common.end());
    }
  }
  BuildIndex();
  return !cache_->empty();
}

void TMsgLocalizer::BuildIndex() {
  index_.clear();
  index_.reserve(cache_->size());
  for (const std::string& line : *cache_) {
    std::string folded(KeyOf(line));
    for (char& c : folded) c = FoldCase(c);
    const std::string_view raw = ValueOf(line);
    index_.push_back({std::move(folded), std::string(raw), ReplaceBlankMarks(raw)});
  }
  std::stable_sort(index_.begin(), index_.end(), [](const IndexEntry& a, const IndexEntry& b) {
    return a.foldedKey < b.foldedKey;
  });
}

const TMsgLocalizer::IndexEntry* TMsgLocalizer::Find(std::string_view key) const {
  const auto at = std::lower_bound(index_.begin(), index_.end(), key,
                                   [](const IndexEntry& entry, std::string_view k) {
                                     return CompareFolded(entry.foldedKey, k) < 0;
                                   });
  if (at == index_.end() || CompareFolded(at->foldedKey, key) != 0) return nullptr;
  return &*at;
}

std::string TMsgLocalizer::GetMsg(std::string_view key) {
  // A catalogue whose sections are missing is read again at every lookup,
  // so a language file mended meanwhile is picked up.
  if (!IsLoaded() && !Load()) return {};
  const IndexEntry* entry = Find(key);
  return entry ? entry->text : std::string();
}

bool TMsgLocalizer::FillStrings(std::string_view section, std::vector<std::string>& strings) const {
  strings.clear();
  for (const std::string& line : TIniFile(files_, FilePath()).ReadSectionLines(section)) {
    strings.emplace_back(ValueOf(line));
  }
  return !strings.empty();
}

bool TMsgLocalizer::FillTree(std::string_view prefix, ITreeCaptions& tree) {
  if (!IsLoaded() && !Load()) return false;
  const int count = tree.NodeCount();
  for (int node = 0; node < count; ++node) {
    // Tree captions are used as written: no "%s%" replacement.
    const IndexEntry* entry = Find(std::string(prefix) + std::to_string(node));
    if (entry != nullptr && !entry->raw.empty()) tree.SetNodeCaption(node, entry->raw);
  }
  return count > 0;
}

}  // namespace vxl
