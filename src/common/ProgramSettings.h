// The per-user settings file P Users\<user>\VexilorConfig.ini (section
// "Interface": Lang, HelpBrowser, Scale, LastFrame, LastShKTab), the choice
// of the interface language, the program's message catalogue for it, and
// where help is shown.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "common/FileSystem.h"
#include "common/MessageBoxes.h"
#include "common/uclMsgLoc.h"

namespace vxl {

inline constexpr const char* kNativeLanguage = "Francais";
inline constexpr const char* kOtherLanguage = "English";
inline constexpr const char* kInterfaceSection = "Interface";
inline constexpr const char* kCommonsSection = "Commons";
constexpr int kLangFrench = 0x0C;          // primary language id of French
constexpr std::size_t kLangMaxChars = 14;  // the setting is read this far
constexpr std::size_t kHelpBrowserMaxChars = 99;

// What the settings need to know of the running program and the system.
struct ProgramEnvironment {
  std::string programFolder;  // ends with a backslash
  std::string userName;
  int uiPrimaryLanguage = 0;  // of the user's default interface language
};

// What to start for help: a program (the browser, with the address as its
// one parameter) or a document opened with the shell's default verb.
struct HelpLaunch {
  std::string file;
  std::string parameters;  // empty for a document
};

// The help address made safe for a browser's command line, byte by byte:
// blanks, ! " % ' ( ) * , and bytes from 123 up become %XX, backslashes
// become slashes, everything else stays.
std::string EscapeHelpAddress(std::string_view address);

class TProgramSettings {
 public:
  TProgramSettings(IFileSystem& files, IMessageBoxes& boxes, ProgramEnvironment environment);

  const ProgramEnvironment& Environment() const { return environment_; }
  IFileSystem& Files() const { return files_; }
  IMessageBoxes& Boxes() const { return boxes_; }
  std::string SettingsFilePath() const;
  std::string LanguageFolder() const { return environment_.programFolder + "Lang"; }

  // Empty until the setting is first read; the language page sets it.
  const std::string& CurrentLanguage() const { return currentLanguage_; }
  void SetCurrentLanguage(std::string language) { currentLanguage_ = std::move(language); }

  // Reads Lang (at most 14 characters; "undef" when absent, which picks the
  // language of the user's interface); a language without its .Lng file
  // falls back to French. Makes the result the current language.
  const std::string& ReadLanguageSetting();

  // A catalogue of the current language (read afresh) for a section, with
  // "Commons" as second section unless the section is "Commons" itself.
  std::unique_ptr<TMsgLocalizer> CreateMessageCatalogue(std::string_view section);
  // Reads the language setting again and switches the catalogue to it.
  void ReloadCatalogueLanguage(TMsgLocalizer& catalogue);

  // HelpBrowser when it names an existing file, else empty.
  std::string ReadHelpBrowser() const;
  // Help for a keyword (an anchor of the help page) in the current language.
  HelpLaunch HelpFor(std::string_view keyword) const;

  // Other keys of the "Interface" section.
  std::string ReadString(std::string_view key, std::string_view fallback) const;
  int ReadInteger(std::string_view key, int fallback) const;
  bool WriteString(std::string_view key, std::string_view value);

 private:
  IFileSystem& files_;
  IMessageBoxes& boxes_;
  ProgramEnvironment environment_;
  std::string currentLanguage_;
};

}  // namespace vxl
