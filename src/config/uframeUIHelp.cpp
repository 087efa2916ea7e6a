#include "config/uframeUIHelp.h"

namespace vxl {

std::string KnownBrowserPath(char letter, std::string programFiles) {
  for (const KnownBrowser& browser : kKnownBrowsers) {
    if (browser.letter != letter) continue;
    if (programFiles.empty() || programFiles.back() != '\\') programFiles += '\\';
    return programFiles + browser.relativePath;
  }
  return {};
}

}  // namespace vxl
