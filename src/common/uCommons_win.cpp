#include "common/uCommons_win.h"

#include <windows.h>
// windows.h first: the two below build on it.
#include <lmcons.h>
#include <shellapi.h>

#include "ui/WinText_win.h"

namespace vxl::win {

std::string ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // a long path: try a larger buffer
  }
  return ProgramFolderOf(Narrow(path));
}

std::string UserName() {
  // Longer names than the 29 characters the original buffer held are kept
  // whole, so that every user gets a folder of their own name.
  wchar_t name[UNLEN + 1];
  DWORD size = UNLEN + 1;
  if (!::GetUserNameW(name, &size) || size == 0) return {};
  return Narrow(std::wstring_view(name, size - 1));  // size counts the terminator
}

int UserInterfacePrimaryLanguage() { return PRIMARYLANGID(::GetUserDefaultUILanguage()); }

ProgramEnvironment CurrentEnvironment() {
  return {ProgramFolder(), UserName(), UserInterfacePrimaryLanguage()};
}

void ShowHelp(const TProgramSettings& settings, std::string_view keyword) {
  const HelpLaunch launch = settings.HelpFor(keyword);
  const std::wstring parameters = Widen(launch.parameters);
  ::ShellExecuteW(nullptr, nullptr, Widen(launch.file).c_str(),
                  parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL);
}

TProfileStorage TSharedFoundation::Profiles(TMsgLocalizer& catalogue) {
  return {files_, boxes_, [&catalogue](std::string_view key) { return catalogue.GetMsg(key); },
          settings_.Environment().programFolder};
}

}  // namespace vxl::win
