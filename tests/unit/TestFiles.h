// Test helpers for the shared foundation: a temporary program folder on
// disk, a file system that fails on request, and message boxes that record
// what they would show and give a set answer.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/MessageBoxes.h"
#include "common/StdFileSystem.h"

namespace vxl::test {

// A fresh folder, deleted at the end. Root() ends with a separator, like a
// program folder; relative paths may use backslashes.
class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("vxl-unit-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Root() const { return path_.string() + "/"; }
  std::filesystem::path Native(std::string relative) const {
    for (char& c : relative) c = c == '\\' ? '/' : c;
    return path_ / relative;
  }
  void Write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories(Native(relative).parent_path());
    std::ofstream(Native(relative), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& relative) const {
    std::ifstream in(Native(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  bool Exists(const std::string& relative) const {
    return std::filesystem::exists(Native(relative));
  }
  // Every file below the folder, relative, with forward slashes.
  std::vector<std::string> AllFiles() const {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_)) {
      if (entry.is_regular_file()) {
        files.push_back(std::filesystem::relative(entry.path(), path_).generic_string());
      }
    }
    std::sort(files.begin(), files.end());
    return files;
  }

 private:
  std::filesystem::path path_;
};

// The real files, with faults where a test asks for them: paths containing
// the given text fail.
class FaultyFileSystem : public TStdFileSystem {
 public:
  std::string failReadsOf;
  std::string failCreatesOf;
  std::string failWritesOf;  // writes half the bytes, then fails
  bool failMoves = false;
  bool failCopies = false;
  bool failMakeDirectory = false;
  int reads = 0;

  std::optional<std::string> ReadBytes(const std::string& path, std::size_t maxBytes) override {
    ++reads;
    if (Matches(path, failReadsOf)) return std::nullopt;
    return TStdFileSystem::ReadBytes(path, maxBytes);
  }
  WriteResult WriteNewFile(const std::string& path, std::string_view bytes) override {
    if (Matches(path, failCreatesOf)) return WriteResult::CreateFailed;
    if (Matches(path, failWritesOf)) {
      TStdFileSystem::WriteNewFile(path, bytes.substr(0, bytes.size() / 2));
      return WriteResult::WriteFailed;
    }
    return TStdFileSystem::WriteNewFile(path, bytes);
  }
  bool MoveOver(const std::string& from, const std::string& to) override {
    return !failMoves && TStdFileSystem::MoveOver(from, to);
  }
  bool CopyOver(const std::string& from, const std::string& to) override {
    return !failCopies && TStdFileSystem::CopyOver(from, to);
  }
  bool MakeDirectory(const std::string& path) override {
    return !failMakeDirectory && TStdFileSystem::MakeDirectory(path);
  }

 private:
  static bool Matches(const std::string& path, const std::string& part) {
    return !part.empty() && path.find(part) != std::string::npos;
  }
};

struct ShownBox {
  WindowRef owner;
  std::string text;
  std::string caption;
  BoxIcon icon;
  BoxButtons buttons;
};

class RecordingBoxes : public IMessageBoxes {
 public:
  std::vector<ShownBox> shown;
  std::vector<BoxIcon> beeps;
  BoxAnswer answer = BoxAnswer::Yes;

  BoxAnswer Show(WindowRef owner, const std::string& text, const std::string& caption, BoxIcon icon,
                 BoxButtons buttons) override {
    shown.push_back({owner, text, caption, icon, buttons});
    return buttons == BoxButtons::Ok ? BoxAnswer::Ok : answer;
  }
  void Beep(BoxIcon sound) override { beeps.push_back(sound); }
};

}  // namespace vxl::test
