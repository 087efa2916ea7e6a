// Text is UTF-8 inside the programs and UTF-16 only at the system call.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vxl::win {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The program's arguments after its own name, as UTF-8.
std::vector<std::string> CommandLineArguments();

}  // namespace vxl::win
