// Profile storage: the configuration record saved as <name>.cnf in folders
// below the program folder P:
//   P Users\<user>\      a user's profiles and settings files
//   P Users\AllUsers\    shared profiles; Default.cnf is made from the
//                        defaults when missing; seeds new users' folders
//   P Users\Transport\   when present, seeds new users' folders instead
//   P Templates\<lang>\  profile templates of a language
// Paths are built the Windows way; P always ends with a backslash.
#pragma once

#include <string>
#include <string_view>

#include "common/ConfigRecord.h"
#include "common/FileSystem.h"
#include "common/MessageBoxes.h"

namespace vxl {

inline constexpr const char* kSharedProfilesFolder = "AllUsers";
inline constexpr const char* kTransportFolder = "Transport";
inline constexpr const char* kDefaultProfileName = "Default";

// The running program's path cut after its last backslash (which stays);
// a path without one is used whole.
std::string ProgramFolderOf(std::string_view programPath);

// False for a profile or folder name that would not stay one file name in
// its folder: empty of visible text, "." or "..", separators, a drive
// colon, characters file names cannot hold, or a device name such as CON.
bool IsSafeFileName(std::string_view name);

// What the storage routines work with: the program's files, its message
// boxes and catalogue, and the program folder.
struct TProfileStorage {
  IFileSystem& files;
  IMessageBoxes& boxes;
  MessageLookup getMsg;
  std::string programFolder;

  std::string UsersFolder() const { return programFolder + "Users"; }
  std::string UserFolder(std::string_view folder) const;
  std::string ProfilePath(bool inTemplates, std::string_view folder, std::string_view name) const;
};

// Reads a profile into the record. Only a whole 612-byte image is adopted;
// a short or unreadable file leaves the record as it was.
bool ReadRecord(IFileSystem& files, const std::string& path, TConfigRecord& record);

// Loads a profile with its fallbacks: the shared default is created from
// the record when missing, a new user's folder is seeded, a broken profile
// is repaired from the shared one. Warns (owned by owner) when all fails.
bool LoadProfile(const TProfileStorage& storage, TConfigRecord& record, WindowRef owner,
                 bool fromTemplates, std::string_view folder, std::string_view name);

// Saves the record; with confirm, an existing file is replaced only when
// the user agrees. The file is replaced in one step.
bool SaveProfile(const TProfileStorage& storage, const TConfigRecord& record, WindowRef owner,
                 bool toTemplates, std::string_view folder, bool confirm, std::string_view name);

// Copies every *.cnf, then every *.ini file of Users\source into
// Users\target (created when missing). With replace false, files the target
// already has are kept. Stops at the first failed copy.
bool CopyProfiles(const TProfileStorage& storage, std::string_view source, std::string_view target,
                  bool replace = true);

}  // namespace vxl
