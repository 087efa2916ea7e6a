#include "common/uCommons.h"

#include <array>
#include <vector>

#include "common/Encoding.h"

namespace vxl {
namespace {

constexpr std::array<std::string_view, 22> kDeviceNames = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

bool IsDeviceName(std::string_view name) {
  // "CON", "con.txt" and "Nul .x" all name the device.
  std::string base = Trim(name.substr(0, name.find('.')));
  for (std::string_view device : kDeviceNames) {
    if (EqualsNoCase(base, device)) return true;
  }
  return false;
}

void ShowWarning(const TProfileStorage& storage, WindowRef owner, std::string_view textKey,
                 const std::string& path) {
  storage.boxes.Show(owner, storage.getMsg(textKey) + "\n" + path, storage.getMsg("rsErrorTitle"),
                     BoxIcon::Warning, BoxButtons::Ok);
}

// Repairs a missing or broken profile of a user from the shared folder:
// the shared file of that name replaces it, and shared files the user's
// folder lacks are added; the user's other profiles and settings stay.
void RepairFromShared(const TProfileStorage& storage, std::string_view folder,
                      std::string_view name) {
  if (EqualsNoCase(folder, kSharedProfilesFolder)) return;  // nothing to repair it from
  CopyProfiles(storage, kSharedProfilesFolder, folder, /*replace=*/false);
  const std::string shared = storage.ProfilePath(false, kSharedProfilesFolder, name);
  if (storage.files.IsFile(shared)) {
    storage.files.CopyOver(shared, storage.ProfilePath(false, folder, name));
  }
}

}  // namespace

std::string ProgramFolderOf(std::string_view programPath) {
  const std::size_t slash = programPath.rfind('\\');
  return std::string(slash == std::string_view::npos ? programPath
                                                     : programPath.substr(0, slash + 1));
}

bool IsSafeFileName(std::string_view name) {
  const std::string visible = Trim(name);
  if (visible.empty() || visible == "." || visible == "..") return false;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 32) return false;
    if (std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos) return false;
  }
  return !IsDeviceName(name);
}

std::string TProfileStorage::UserFolder(std::string_view folder) const {
  return UsersFolder() + "\\" + std::string(folder);
}

std::string TProfileStorage::ProfilePath(bool inTemplates, std::string_view folder,
                                         std::string_view name) const {
  const std::string base =
      inTemplates ? programFolder + "Templates\\" + std::string(folder) : UserFolder(folder);
  return base + "\\" + std::string(name) + ".cnf";
}

bool ReadRecord(IFileSystem& files, const std::string& path, TConfigRecord& record) {
  const auto bytes = files.ReadBytes(path, kConfigRecordSize);
  if (!bytes || bytes->size() != kConfigRecordSize) return false;
  return AdoptRecordBytes(record, bytes->data(), bytes->size());
}

bool LoadProfile(const TProfileStorage& storage, TConfigRecord& record, WindowRef owner,
                 bool fromTemplates, std::string_view folder, std::string_view name) {
  IFileSystem& files = storage.files;
  if (!fromTemplates) {
    if (!files.IsFile(storage.ProfilePath(false, kSharedProfilesFolder, kDefaultProfileName))) {
      SaveProfile(storage, record, owner, false, kSharedProfilesFolder, false, kDefaultProfileName);
    }
    if (!files.IsDirectory(storage.UserFolder(folder))) {
      const bool transport = files.IsDirectory(storage.UserFolder(kTransportFolder));
      CopyProfiles(storage, transport ? kTransportFolder : kSharedProfilesFolder, folder);
    }
  }
  const std::string path = storage.ProfilePath(fromTemplates, folder, name);
  if (ReadRecord(files, path, record)) return true;
  // A template cannot be repaired from the users' shared folder.
  if (!fromTemplates) RepairFromShared(storage, folder, name);
  if (ReadRecord(files, path, record)) return true;
  ShowWarning(storage, owner, "rsErrorRead", path);
  return false;
}

bool SaveProfile(const TProfileStorage& storage, const TConfigRecord& record, WindowRef owner,
                 bool toTemplates, std::string_view folder, bool confirm, std::string_view name) {
  IFileSystem& files = storage.files;
  const std::string path = storage.ProfilePath(toTemplates, folder, name);
  // A name that would lead out of its folder (or to a device) is refused
  // before anything is created.
  if (!IsSafeFileName(folder) || !IsSafeFileName(name)) {
    ShowWarning(storage, owner, "rsErrorCreate", path);
    return false;
  }
  if (toTemplates) {
    const std::string templates = storage.programFolder + "Templates";
    if (!files.IsDirectory(templates)) files.MakeDirectory(templates);
    files.MakeDirectory(templates + "\\" + std::string(folder));
  } else {
    if (!files.IsDirectory(storage.UsersFolder())) files.MakeDirectory(storage.UsersFolder());
    if (!files.IsDirectory(storage.UserFolder(folder))) {
      files.MakeDirectory(storage.UserFolder(folder));
    }
  }
  if (confirm && files.IsFile(path)) {
    storage.boxes.Beep(BoxIcon::Information);
    const std::string question = path + "\r\n" + storage.getMsg("rsFileExists") + "\r\n\r\n" +
                                 storage.getMsg("rsFileReplace");
    if (storage.boxes.Show(owner, question, storage.getMsg("rsSaveAs"), BoxIcon::Question,
                           BoxButtons::YesNo) != BoxAnswer::Yes) {
      return false;
    }
  }
  const auto image = RecordBytes(record);
  const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
  switch (WriteFileAtomically(files, path, bytes)) {
    case WriteResult::Ok: return true;
    case WriteResult::CreateFailed: ShowWarning(storage, owner, "rsErrorCreate", path); break;
    case WriteResult::WriteFailed: ShowWarning(storage, owner, "rsErrorWrite", path); break;
  }
  return false;
}

bool CopyProfiles(const TProfileStorage& storage, std::string_view source, std::string_view target,
                  bool replace) {
  IFileSystem& files = storage.files;
  const std::string to = storage.UserFolder(target);
  if (!files.IsDirectory(to) && !files.MakeDirectory(to)) return false;
  const std::string from = storage.UserFolder(source);
  const std::vector<std::string> names = files.FileNames(from);
  for (std::string_view extension : {".cnf", ".ini"}) {
    for (const std::string& name : names) {
      if (!HasExtension(name, extension)) continue;
      const std::string targetFile = to + "\\" + name;
      if (!replace && files.IsFile(targetFile)) continue;
      if (!files.CopyOver(from + "\\" + name, targetFile)) return false;
    }
  }
  return true;
}

}  // namespace vxl
