// The language page's rules: which languages can be chosen and what
// applying one does.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vxl {

// The languages of the "Lang" folder: every *.Lng file's name up to its
// first full stop, kept only when the .Msg file of that name exists too
// (a language needs both its form texts and its messages); sorted as the
// list box sorts, without regard to case.
std::vector<std::string> AvailableLanguages(
    const std::vector<std::string>& lngFiles,
    const std::function<bool(const std::string& msgFile)>& msgExists);

enum class LanguageApply { Beep, Nothing, Apply };
// Applying the selection (none: empty): a beep without one, nothing for the
// language already current (compared with case), else the switch.
LanguageApply DecideLanguageApply(const std::optional<std::string>& selected,
                                  const std::string& current);

}  // namespace vxl
