// IFileSystem over the system's file calls (UTF-16 paths).
#pragma once

#include "common/FileSystem.h"

namespace vxl::win {

class TWinFileSystem final : public IFileSystem {
 public:
  std::optional<std::string> ReadBytes(const std::string& path, std::size_t maxBytes) override;
  WriteResult WriteNewFile(const std::string& path, std::string_view bytes) override;
  bool MoveOver(const std::string& from, const std::string& to) override;
  bool RemoveFile(const std::string& path) override;
  bool CopyOver(const std::string& from, const std::string& to) override;
  bool IsFile(const std::string& path) override;
  bool IsDirectory(const std::string& path) override;
  bool MakeDirectory(const std::string& path) override;
  std::vector<std::string> FileNames(const std::string& folder) override;
};

}  // namespace vxl::win
