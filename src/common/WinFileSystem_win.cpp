#include "common/WinFileSystem_win.h"

#include <windows.h>

#include <algorithm>

#include "ui/WinHandles_win.h"
#include "ui/WinText_win.h"

namespace vxl::win {
namespace {

DWORD Attributes(const std::string& path) { return ::GetFileAttributesW(Widen(path).c_str()); }

}  // namespace

std::optional<std::string> TWinFileSystem::ReadBytes(const std::string& path,
                                                     std::size_t maxBytes) {
  // Not shared while we read: a half-written file is never read.
  UniqueFileHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[16384];
  while (bytes.size() < maxBytes) {
    const DWORD wanted = static_cast<DWORD>(std::min(sizeof buffer, maxBytes - bytes.size()));
    DWORD read = 0;
    if (!::ReadFile(file.get(), buffer, wanted, &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    bytes.append(buffer, read);
  }
  return bytes;
}

WriteResult TWinFileSystem::WriteNewFile(const std::string& path, std::string_view bytes) {
  UniqueFileHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_FLAG_WRITE_THROUGH | FILE_FLAG_SEQUENTIAL_SCAN,
                                      nullptr));
  if (!file) return WriteResult::CreateFailed;
  DWORD written = 0;
  const bool ok =
      ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size() && ::FlushFileBuffers(file.get());
  return ok ? WriteResult::Ok : WriteResult::WriteFailed;
}

bool TWinFileSystem::MoveOver(const std::string& from, const std::string& to) {
  return ::MoveFileExW(Widen(from).c_str(), Widen(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool TWinFileSystem::RemoveFile(const std::string& path) {
  return ::DeleteFileW(Widen(path).c_str()) != FALSE;
}

bool TWinFileSystem::CopyOver(const std::string& from, const std::string& to) {
  return ::CopyFileW(Widen(from).c_str(), Widen(to).c_str(), FALSE) != FALSE;
}

bool TWinFileSystem::IsFile(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool TWinFileSystem::IsDirectory(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool TWinFileSystem::MakeDirectory(const std::string& path) {
  return ::CreateDirectoryW(Widen(path).c_str(), nullptr) != FALSE;
}

std::vector<std::string> TWinFileSystem::FileNames(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW(Widen(folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      names.push_back(Narrow(found.cFileName));
    }
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);  // a find handle is closed by FindClose, not CloseHandle
  return names;
}

}  // namespace vxl::win
