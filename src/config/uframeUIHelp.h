// The help page's rules: where the known browsers are looked for.
#pragma once

#include <array>
#include <string>

namespace vxl {

struct KnownBrowser {
  char letter;
  const char* relativePath;  // below the Program Files folder
};
// In the order the page searches them when no browser is set.
inline constexpr std::array<KnownBrowser, 3> kKnownBrowsers = {{
    {'i', "Internet Explorer\\iexplore.exe"},
    {'f', "Mozilla Firefox\\firefox.exe"},
    {'o', "Opera\\Opera.exe"},
}};

// The full path of a known browser below programFiles (with or without its
// closing backslash); empty for an unknown letter.
std::string KnownBrowserPath(char letter, std::string programFiles);

}  // namespace vxl
