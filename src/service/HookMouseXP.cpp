#include "service/HookMouseXP.h"

#include <cstring>

namespace vxl {
namespace {

// How a message names its button: fixed, or by the high word of MouseData.
enum class ButtonFrom : std::uint8_t { None, Left, Right, Middle, MouseData };

struct DecodeRow {
  std::int32_t msg;
  MouseEventKind kind;
  ButtonFrom button;
  bool clientArea;
  TShiftStateEx removed;  // taken out of the sampled state
  bool doubleClick = false;
};

// Moves first: they are by far the most frequent.
// clang-format off
constexpr DecodeRow kDecodeTable[] = {
    {kWmMouseMove, MouseEventKind::Move, ButtonFrom::None, true, {}},
    {kWmNcMouseMove, MouseEventKind::Move, ButtonFrom::None, false, {}},
    {kWmLButtonDown, MouseEventKind::Down, ButtonFrom::Left, true, {ssLeft}},
    {kWmLButtonUp, MouseEventKind::Up, ButtonFrom::Left, true, {}},
    {kWmRButtonDown, MouseEventKind::Down, ButtonFrom::Right, true, {ssRight}},
    {kWmRButtonUp, MouseEventKind::Up, ButtonFrom::Right, true, {}},
    {kWmMButtonDown, MouseEventKind::Down, ButtonFrom::Middle, true, {ssMiddle}},
    {kWmMButtonUp, MouseEventKind::Up, ButtonFrom::Middle, true, {}},
    {kWmXButtonDown, MouseEventKind::Down, ButtonFrom::MouseData, true, {ssPrevious, ssNext}},
    {kWmXButtonUp, MouseEventKind::Up, ButtonFrom::MouseData, true, {}},
    {kWmNcLButtonDown, MouseEventKind::Down, ButtonFrom::Left, false, {ssLeft}},
    {kWmNcLButtonUp, MouseEventKind::Up, ButtonFrom::Left, false, {}},
    {kWmNcRButtonDown, MouseEventKind::Down, ButtonFrom::Right, false, {ssRight}},
    {kWmNcRButtonUp, MouseEventKind::Up, ButtonFrom::Right, false, {}},
    {kWmNcMButtonDown, MouseEventKind::Down, ButtonFrom::Middle, false, {ssMiddle}},
    {kWmNcMButtonUp, MouseEventKind::Up, ButtonFrom::Middle, false, {}},
    {kWmNcXButtonDown, MouseEventKind::Down, ButtonFrom::MouseData, false, {ssPrevious, ssNext}},
    {kWmNcXButtonUp, MouseEventKind::Up, ButtonFrom::MouseData, false, {}},
    {kWmMouseWheel, MouseEventKind::Wheel, ButtonFrom::None, true, {}},
    {kWmLButtonDblClk, MouseEventKind::Down, ButtonFrom::Left, true, {ssLeft}, true},
    {kWmRButtonDblClk, MouseEventKind::Down, ButtonFrom::Right, true, {ssRight}, true},
    {kWmMButtonDblClk, MouseEventKind::Down, ButtonFrom::Middle, true, {ssMiddle}, true},
    {kWmXButtonDblClk, MouseEventKind::Down, ButtonFrom::MouseData, true, {ssPrevious, ssNext}, true},
    {kWmNcLButtonDblClk, MouseEventKind::Down, ButtonFrom::Left, false, {ssLeft}, true},
    {kWmNcRButtonDblClk, MouseEventKind::Down, ButtonFrom::Right, false, {ssRight}, true},
    {kWmNcMButtonDblClk, MouseEventKind::Down, ButtonFrom::Middle, false, {ssMiddle}, true},
    {kWmNcXButtonDblClk, MouseEventKind::Down, ButtonFrom::MouseData, false, {ssPrevious, ssNext}, true},
};
// clang-format on

std::uint16_t HighWord(std::uint32_t value) { return static_cast<std::uint16_t>(value >> 16); }

TMouseButtonEx ButtonOf(ButtonFrom from, std::uint32_t mouseData) {
  switch (from) {
    case ButtonFrom::Right: return mbxRight;
    case ButtonFrom::Middle: return mbxMiddle;
    case ButtonFrom::MouseData:
      switch (HighWord(mouseData)) {
        case 1: return mbxPrevious;
        case 2: return mbxNext;
        default: return mbxUnknownX;
      }
    default: return mbxLeft;
  }
}

// Turning towards the user counts as one whole notch whatever the device
// reports; turning away is passed on as reported.
std::int32_t WheelDeltaOf(std::uint32_t mouseData) {
  const auto delta = static_cast<std::int16_t>(HighWord(mouseData));
  return delta < 0 ? -kWheelDelta : delta;
}

}  // namespace

TDecodedMouseMessage DecodeMouseMessage(const TMouseHookData& data, TShiftStateEx sampled) {
  TDecodedMouseMessage decoded;
  decoded.shift = sampled;
  for (const DecodeRow& row : kDecodeTable) {
    if (row.msg != data.Msg) continue;
    decoded.kind = row.kind;
    decoded.button = ButtonOf(row.button, data.MouseData);
    decoded.clientArea = row.clientArea;
    decoded.shift = sampled.Without(row.removed);
    if (row.doubleClick) decoded.shift.Include(ssDouble);
    if (row.kind == MouseEventKind::Wheel) decoded.wheelDelta = WheelDeltaOf(data.MouseData);
    break;
  }
  return decoded;
}

bool ReadMouseHookData(const void* block, std::size_t size, TMouseHookData& data) {
  if (block == nullptr || size != sizeof(TMouseHookData)) return false;
  std::memcpy(&data, block, sizeof data);
  return true;
}

std::string NormaliseDirectoryDll(std::string directory) {
  if (!directory.empty() && directory.back() != '\\') directory += '\\';
  return directory;
}

// --- THookMouseXP -------------------------------------------------------------

THookMouseXP::THookMouseXP(IHookLibrarySystem& system, bool enabled)
    : system_(system), enabled_(enabled) {}

THookMouseXP::~THookMouseXP() {
  if (enabled_) Unload();
}

void THookMouseXP::Loaded() {
  if (enabled_) Load();
}

void THookMouseXP::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  if (value) {
    Load();
  } else {
    Unload();
  }
}

void THookMouseXP::Load() {
  const std::string path = directoryDll_ + kLibraryName;
  libraryLoaded_ = system_.LoadHookLibrary(path);
  if (!libraryLoaded_) {
    system_.ShowMessage(kTextDllNotFound + path);
    return;
  }
  const bool hasFinalisation = system_.BindFinalisationHook();
  // Without the initialisation export nothing is hooked, silently.
  if (!system_.BindInitialisationHook()) return;
  if (system_.CallInitialisationHook()) {
    hooked_ = hasFinalisation;
  } else {
    system_.ShowMessage(kTextInitFailed);
  }
}

void THookMouseXP::Unload() {
  if (hooked_) system_.CallFinalisationHook();
  if (libraryLoaded_) system_.FreeHookLibrary();
  libraryLoaded_ = false;
  hooked_ = false;
}

std::intptr_t THookMouseXP::HandleForwardedMessage(const void* block, std::size_t size,
                                                   TShiftStateEx sampled) {
  TMouseHookData data;
  if (!ReadMouseHookData(block, size, data)) return 0;  // not a forwarded mouse message
  bool stop = false;
  if (OnMouseMessage) {
    OnMouseMessage(*this, data.Msg, data.X, data.Y, WindowFromRecord(data.HandleWindow),
                   data.HitTestCode, data.ExtraInfo, data.MouseData, stop);
  }
  const TDecodedMouseMessage decoded = DecodeMouseMessage(data, sampled);
  switch (decoded.kind) {
    case MouseEventKind::Move:
      if (OnMouseMove) {
        OnMouseMove(*this, decoded.shift, data.X, data.Y, WindowFromRecord(data.HandleWindow),
                    data.HitTestCode, data.ExtraInfo, decoded.clientArea, stop);
      }
      break;
    case MouseEventKind::Wheel: FireWheel(data, decoded, stop); break;
    case MouseEventKind::Down: FireButton(OnMouseDown, data, decoded, stop); break;
    case MouseEventKind::Up: FireButton(OnMouseUp, data, decoded, stop); break;
    case MouseEventKind::None: break;
  }
  return (stop || stopMessage_) ? 1 : 0;
}

void THookMouseXP::FireWheel(const TMouseHookData& data, const TDecodedMouseMessage& decoded,
                             bool& stop) {
  const Point pos{data.X, data.Y};
  const WindowRef window = WindowFromRecord(data.HandleWindow);
  if (OnMouseWheel) OnMouseWheel(*this, decoded.shift, decoded.wheelDelta, pos, window, stop);
  if (OnMouseWheelDown && decoded.wheelDelta < 0) {
    OnMouseWheelDown(*this, decoded.shift, pos, window, stop);
  }
  if (OnMouseWheelUp && decoded.wheelDelta > 0) {
    OnMouseWheelUp(*this, decoded.shift, pos, window, stop);
  }
}

void THookMouseXP::FireButton(const TMouseHookEvent& event, const TMouseHookData& data,
                              const TDecodedMouseMessage& decoded, bool& stop) {
  if (!event) return;
  event(*this, decoded.button, decoded.shift, data.X, data.Y, WindowFromRecord(data.HandleWindow),
        data.HitTestCode, data.ExtraInfo, data.MouseData, decoded.clientArea, stop);
}

}  // namespace vxl
