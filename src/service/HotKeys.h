// How the record's hot key table is registered and dispatched.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/ConfigRecord.h"

namespace vxl {

// Registers entries from index 0 up to the first empty one; entries after a
// gap stay in the record but are not registered. add returns the system's
// identifier, 0 when refused; refused is told the value of each refusal.
void RegisterHotKeyTable(const TConfigRecord& record,
                         const std::function<std::uint32_t(std::uint32_t value)>& add,
                         const std::function<void(std::uint32_t value)>& refused);

// The warning for hot keys the system refused: one line per key, its text
// followed directly by the catalogue text (which carries its own separator).
std::string RefusedHotKeysText(const std::vector<std::string>& keyTexts,
                               const std::string& cantBeAssigned);

// The action of the first entry holding value (empty entries are passed
// over, not a stop); 0 when no entry holds it.
std::int32_t HotKeyAction(const TConfigRecord& record, std::uint32_t value);

}  // namespace vxl
