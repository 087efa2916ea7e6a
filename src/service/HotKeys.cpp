#include "service/HotKeys.h"

namespace vxl {

void RegisterHotKeyTable(const TConfigRecord& record,
                         const std::function<std::uint32_t(std::uint32_t value)>& add,
                         const std::function<void(std::uint32_t value)>& refused) {
  for (const THotKeyEntry& entry : record.hotKeys) {
    if (entry.hotKey == 0) break;
    if (add(entry.hotKey) == 0) refused(entry.hotKey);
  }
}

std::int32_t HotKeyAction(const TConfigRecord& record, std::uint32_t value) {
  if (value == 0) return 0;
  for (const THotKeyEntry& entry : record.hotKeys) {
    if (entry.hotKey == value) return entry.actionCode;
  }
  return 0;
}

}  // namespace vxl
