// The files the shared foundation reads and writes, reached through a small
// interface: the Windows programs use the system's file calls, the native
// build and the unit tests the standard library (with faults injected where a
// test needs a failing disk).
//
// Paths are UTF-8 and written the Windows way, with backslashes; the native
// implementation turns them into slashes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vxl {

enum class WriteResult { Ok, CreateFailed, WriteFailed };

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;

  // At most maxBytes bytes from the start of a file; nothing when it cannot
  // be opened or read.
  virtual std::optional<std::string> ReadBytes(const std::string& path, std::size_t maxBytes) = 0;
  // Creates the file (replacing one of that name), writes every byte and
  // flushes it to the disk before closing.
  virtual WriteResult WriteNewFile(const std::string& path, std::string_view bytes) = 0;
  // Puts a file in place of another in one step, replacing it.
  virtual bool MoveOver(const std::string& from, const std::string& to) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // Copies a file, replacing the target when it exists.
  virtual bool CopyOver(const std::string& from, const std::string& to) = 0;

  virtual bool IsFile(const std::string& path) = 0;
  virtual bool IsDirectory(const std::string& path) = 0;
  // Creates one folder level; false when it cannot be created.
  virtual bool MakeDirectory(const std::string& path) = 0;
  // Names of the files (not folders) directly in a folder, in no set order.
  virtual std::vector<std::string> FileNames(const std::string& folder) = 0;
};

// Writes a whole file so that a crash or a full disk never leaves half of
// it: the bytes go to a temporary file beside it, which then replaces it.
// CreateFailed when the file cannot be created or put in place.
WriteResult WriteFileAtomically(IFileSystem& files, const std::string& path,
                                std::string_view bytes);

// True when a file name ends with the extension (".cnf"), letters compared
// without regard to case, like the system's "*.cnf" search.
bool HasExtension(std::string_view fileName, std::string_view extension);

}  // namespace vxl
