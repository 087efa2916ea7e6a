#include "common/FileSystem.h"

#include "common/Encoding.h"

namespace vxl {

WriteResult WriteFileAtomically(IFileSystem& files, const std::string& path,
                                std::string_view bytes) {
  // The temporary name keeps the real extension out of the end, so that a
  // leftover never shows up as a profile or settings file.
  const std::string temporary = path + ".vxltmp";
  const WriteResult written = files.WriteNewFile(temporary, bytes);
  if (written != WriteResult::Ok) {
    files.RemoveFile(temporary);
    return written;
  }
  if (!files.MoveOver(temporary, path)) {
    files.RemoveFile(temporary);
    return WriteResult::CreateFailed;
  }
  return WriteResult::Ok;
}

bool HasExtension(std::string_view fileName, std::string_view extension) {
  return fileName.size() >= extension.size() &&
         EqualsNoCase(fileName.substr(fileName.size() - extension.size()), extension);
}

}  // namespace vxl
