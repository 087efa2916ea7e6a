// The shared foundation as the Windows programs own it: the system's files
// and message boxes, the program folder, the user name, the settings and
// catalogue, profile storage, and help through the shell.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "common/MessageBoxes_win.h"
#include "common/ProgramSettings.h"
#include "common/WinFileSystem_win.h"
#include "common/uCommons.h"

namespace vxl::win {

// The running program's folder, with its closing backslash.
std::string ProgramFolder();
// The logged-on user's name, which names the user's folder.
std::string UserName();
// Primary language id of the user's default interface language.
int UserInterfacePrimaryLanguage();
ProgramEnvironment CurrentEnvironment();

// Starts the help browser on the keyword's anchor, or opens the help page
// with the shell. Nothing is reported when that fails.
void ShowHelp(const TProgramSettings& settings, std::string_view keyword);

// One per program, living as long as it.
class TSharedFoundation {
 public:
  TSharedFoundation() : settings_(files_, boxes_, CurrentEnvironment()) {}

  IFileSystem& Files() { return files_; }
  IMessageBoxes& Boxes() { return boxes_; }
  TProgramSettings& Settings() { return settings_; }
  const std::string& UserName() const { return settings_.Environment().userName; }

  // Profile storage whose texts come from the catalogue (which must outlive
  // the storage object returned).
  TProfileStorage Profiles(TMsgLocalizer& catalogue);

 private:
  TWinFileSystem files_;
  TWinMessageBoxes boxes_;
  TProgramSettings settings_;
};

}  // namespace vxl::win
