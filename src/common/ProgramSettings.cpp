#include "common/ProgramSettings.h"

#include "common/IniFile.h"

namespace vxl {
namespace {

constexpr std::string_view kUndefinedLanguage = "undef";

bool NeedsEscape(unsigned char byte) {
  return byte == ' ' || byte == '!' || byte == '"' || byte == '%' ||
         (byte >= '\'' && byte <= '*') || byte == ',' || byte >= 123;
}

// The first maxChars characters of a UTF-8 text.
std::string FirstChars(std::string_view text, std::size_t maxChars) {
  std::size_t chars = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if ((static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) continue;
    if (chars++ == maxChars) return std::string(text.substr(0, at));
  }
  return std::string(text);
}

}  // namespace

std::string EscapeHelpAddress(std::string_view address) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  escaped.reserve(address.size() + 16);
  for (const char c : address) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\\') {
      escaped += '/';
    } else if (NeedsEscape(byte)) {
      escaped += '%';
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 0x0F];
    } else {
      escaped += c;
    }
  }
  return escaped;
}

TProgramSettings::TProgramSettings(IFileSystem& files, IMessageBoxes& boxes,
                                   ProgramEnvironment environment)
    : files_(files), boxes_(boxes), environment_(std::move(environment)) {}

std::string TProgramSettings::SettingsFilePath() const {
  return environment_.programFolder + "Users\\" + environment_.userName + "\\VexilorConfig.ini";
}

std::string TProgramSettings::ReadString(std::string_view key, std::string_view fallback) const {
  return TIniFile(files_, SettingsFilePath()).ReadString(kInterfaceSection, key, fallback);
}

int TProgramSettings::ReadInteger(std::string_view key, int fallback) const {
  return TIniFile(files_, SettingsFilePath()).ReadInteger(kInterfaceSection, key, fallback);
}

bool TProgramSettings::WriteString(std::string_view key, std::string_view value) {
  return TIniFile(files_, SettingsFilePath()).WriteString(kInterfaceSection, key, value);
}

const std::string& TProgramSettings::ReadLanguageSetting() {
  std::string language = FirstChars(ReadString("Lang", kUndefinedLanguage), kLangMaxChars);
  if (language == kUndefinedLanguage) {
    language = environment_.uiPrimaryLanguage == kLangFrench ? kNativeLanguage : kOtherLanguage;
  }
  if (!files_.IsFile(LanguageFolder() + "\\" + language + ".Lng")) language = kNativeLanguage;
  currentLanguage_ = std::move(language);
  return currentLanguage_;
}

std::unique_ptr<TMsgLocalizer> TProgramSettings::CreateMessageCatalogue(std::string_view section) {
  ReadLanguageSetting();
  auto catalogue =
      std::make_unique<TMsgLocalizer>(files_, boxes_, currentLanguage_, LanguageFolder());
  catalogue->SetSection(std::string(section));
  if (section != kCommonsSection) catalogue->SetCommonSection(kCommonsSection);
  return catalogue;
}

void TProgramSettings::ReloadCatalogueLanguage(TMsgLocalizer& catalogue) {
  catalogue.SetLanguage(ReadLanguageSetting());
  catalogue.Load();
}

std::string TProgramSettings::ReadHelpBrowser() const {
  std::string browser = FirstChars(ReadString("HelpBrowser", ""), kHelpBrowserMaxChars);
  if (!browser.empty() && !files_.IsFile(browser)) browser.clear();
  return browser;
}

HelpLaunch TProgramSettings::HelpFor(std::string_view keyword) const {
  const std::string& folder = environment_.programFolder;
  const std::string browser = ReadHelpBrowser();
  if (!browser.empty()) {
    const std::string address = "file:///" + folder + "Help/" + currentLanguage_ +
                                "/Vexilor 2.00.htm#" + std::string(keyword);
    return {browser, EscapeHelpAddress(address)};
  }
  return {folder + "Help\\" + currentLanguage_ + "\\Vexilor 2.00.htm", ""};
}

}  // namespace vxl
