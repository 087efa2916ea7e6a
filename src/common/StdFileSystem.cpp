#include "common/StdFileSystem.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace vxl {
namespace {

namespace fs = std::filesystem;

// Paths come as UTF-8 with Windows separators.
fs::path ToPath(std::string path) {
#ifndef _WIN32
  std::replace(path.begin(), path.end(), '\\', '/');
#endif
  return fs::path(std::u8string(path.begin(), path.end()));
}

}  // namespace

std::optional<std::string> TStdFileSystem::ReadBytes(const std::string& path,
                                                     std::size_t maxBytes) {
  std::error_code error;
  if (!fs::is_regular_file(ToPath(path), error)) return std::nullopt;
  std::ifstream in(ToPath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  char buffer[8192];
  while (bytes.size() < maxBytes && in) {
    const std::size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
    in.read(buffer, static_cast<std::streamsize>(wanted));
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

WriteResult TStdFileSystem::WriteNewFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(ToPath(path), std::ios::binary | std::ios::trunc);
  if (!out) return WriteResult::CreateFailed;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return out ? WriteResult::Ok : WriteResult::WriteFailed;
}

bool TStdFileSystem::MoveOver(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::rename(ToPath(from), ToPath(to), error);
  return !error;
}

bool TStdFileSystem::RemoveFile(const std::string& path) {
  std::error_code error;
  return fs::remove(ToPath(path), error);
}

bool TStdFileSystem::CopyOver(const std::string& from, const std::string& to) {
  std::error_code error;
  return fs::copy_file(ToPath(from), ToPath(to), fs::copy_options::overwrite_existing, error);
}

bool TStdFileSystem::IsFile(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(ToPath(path), error);
}

bool TStdFileSystem::IsDirectory(const std::string& path) {
  std::error_code error;
  return fs::is_directory(ToPath(path), error);
}

bool TStdFileSystem::MakeDirectory(const std::string& path) {
  std::error_code error;
  return fs::create_directory(ToPath(path), error);
}

std::vector<std::string> TStdFileSystem::FileNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(ToPath(folder), error), end; !error && it != end;
       it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    const std::u8string name = it->path().filename().u8string();
    names.emplace_back(name.begin(), name.end());
  }
  return names;
}

}  // namespace vxl
