#include "common/WinFileSystem_win.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>
#include <vector>

#include "ui/WinHandles_win.h"
#include "ui/WinText_win.h"

namespace vxl::win {
namespace {

DWORD Attributes(const std::string& path) { return ::GetFileAttributesW(Widen(path).c_str()); }

// FileRenameInfoEx and its flags (Windows 10 1607 and later), which the
// headers leave out while we build for Windows 7.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
constexpr DWORD kRenameReplaceIfExists = 0x1;
constexpr DWORD kRenamePosixSemantics = 0x2;

// True when the file exists and every handle open on it shares deletion, as
// replacing it requires. Asked first because a ReplaceFile that fails on this can leave
// a stray temporary file beside the target.
bool Replaceable(const std::wstring& path) {
  const UniqueFileHandle file(::CreateFileW(path.c_str(), DELETE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
  return static_cast<bool>(file);
}

// Renames over a file that others hold open (sharing deletion): they keep
// the old file, and the name never goes missing in between. False where the
// system does not know this rename.
bool RenameOverOpenFile(const std::wstring& from, const std::wstring& to) {
  UniqueFileHandle file(::CreateFileW(from.c_str(), DELETE | SYNCHRONIZE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return false;
  const std::size_t nameBytes = to.size() * sizeof(wchar_t);
  std::vector<std::byte> buffer(offsetof(FILE_RENAME_INFO, FileName) + nameBytes + sizeof(wchar_t));
  auto* info = new (buffer.data()) FILE_RENAME_INFO{};
  // The newer headers overlay ReplaceIfExists with a DWORD of flags.
  const DWORD flags = kRenameReplaceIfExists | kRenamePosixSemantics;
  std::memcpy(info, &flags, sizeof flags);
  info->FileNameLength = static_cast<DWORD>(nameBytes);
  std::memcpy(info->FileName, to.c_str(), nameBytes + sizeof(wchar_t));
  return ::SetFileInformationByHandle(file.get(), kFileRenameInfoEx, info,
                                      static_cast<DWORD>(buffer.size())) != FALSE;
}

}  // namespace

std::optional<std::string> TWinFileSystem::ReadBytes(const std::string& path,
                                                     std::size_t maxBytes) {
  // Both programs read the same files at once, so reading is shared; so is
  // deletion, which lets a writer put a new file in place while we read the
  // old one to its end. Writing is not: the only writer in place is a copy
  // over the file, and a half-copied file must never be read.
  UniqueFileHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
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
  const std::wstring source = Widen(from);
  const std::wstring target = Widen(to);
  if (::MoveFileExW(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  // MoveFileEx refuses to replace a file that is open anywhere, even when
  // every reader shares deletion, and the other program may be reading this
  // one right now.
  const DWORD error = ::GetLastError();
  if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) || !Replaceable(target)) {
    return false;
  }
  if (RenameOverOpenFile(source, target)) return true;
  // Before Windows 10 (and under Wine) ReplaceFile swaps the files instead.
  if (::ReplaceFileW(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
    return true;
  }
  // This failure leaves the old file gone and the new one under its
  // temporary name: put it in place rather than lose both.
  return ::GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
         ::MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
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
  FindHandle search(::FindFirstFileW(Widen(folder + "\\*").c_str(), &found));
  if (!search) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      names.push_back(Narrow(found.cFileName));
    }
  } while (::FindNextFileW(search.get(), &found));
  return names;
}

}  // namespace vxl::win
