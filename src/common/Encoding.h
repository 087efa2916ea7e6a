// Text encodings of the language and settings files: UTF-8 (with or without
// a byte-order mark) or Windows-1252, the code page the original files used.
// Inside the programs every text is UTF-8.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vxl {

enum class TextEncoding { Utf8, Utf8WithBom, Windows1252 };

bool IsValidUtf8(std::string_view bytes);

// Every byte of Windows-1252 has a character; the five unassigned bytes map
// to the control characters of the same number, so nothing is ever lost.
std::string Windows1252ToUtf8(std::string_view bytes);
// Characters Windows-1252 cannot hold become "?".
std::string Utf8ToWindows1252(std::string_view utf8);

// The text of a file's bytes and the encoding found: a UTF-8 mark or valid
// UTF-8 means UTF-8, anything else is Windows-1252.
std::string DecodeFileText(std::string_view bytes, TextEncoding& found);
std::string EncodeFileText(std::string_view utf8, TextEncoding encoding);

// Names of sections, keys and components are compared like the system's
// profile functions do for the names we use: letters A-Z without regard to
// case, every other byte exactly.
char FoldCase(char c);
bool EqualsNoCase(std::string_view a, std::string_view b);

std::string Trim(std::string_view text);

// Joins pieces of text in one allocation.
std::string Concat(std::initializer_list<std::string_view> pieces);

}  // namespace vxl
