// The service's mouse hook component: loads ZARTHOOK.DLL, hands it the window
// that receives the forwarded mouse messages, and turns each forwarded record
// into typed mouse events whose handlers decide, through StopMsg, whether the
// message is swallowed.
//
// This half is portable: the decoding of a record, the event dispatch and the
// rules of Enabled/DirectoryDll. The library itself, the receiving window and
// the key-state sampling are reached through IHookLibrarySystem and
// HookMouseXP_win.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "common/Geometry.h"
#include "common/VirtualKeys.h"
#include "hook/ZartHookRecords.h"

namespace vxl {

// Mouse message identifiers the component decodes.
constexpr std::int32_t kWmMouseMove = 0x0200;
constexpr std::int32_t kWmLButtonDown = 0x0201;
constexpr std::int32_t kWmLButtonUp = 0x0202;
constexpr std::int32_t kWmLButtonDblClk = 0x0203;
constexpr std::int32_t kWmRButtonDown = 0x0204;
constexpr std::int32_t kWmRButtonUp = 0x0205;
constexpr std::int32_t kWmRButtonDblClk = 0x0206;
constexpr std::int32_t kWmMButtonDown = 0x0207;
constexpr std::int32_t kWmMButtonUp = 0x0208;
constexpr std::int32_t kWmMButtonDblClk = 0x0209;
constexpr std::int32_t kWmMouseWheel = 0x020A;
constexpr std::int32_t kWmXButtonDown = 0x020B;
constexpr std::int32_t kWmXButtonUp = 0x020C;
constexpr std::int32_t kWmXButtonDblClk = 0x020D;
constexpr std::int32_t kWmMouseHWheel = 0x020E;
constexpr std::int32_t kWmNcMouseMove = 0x00A0;
constexpr std::int32_t kWmNcLButtonDown = 0x00A1;
constexpr std::int32_t kWmNcLButtonUp = 0x00A2;
constexpr std::int32_t kWmNcLButtonDblClk = 0x00A3;
constexpr std::int32_t kWmNcRButtonDown = 0x00A4;
constexpr std::int32_t kWmNcRButtonUp = 0x00A5;
constexpr std::int32_t kWmNcRButtonDblClk = 0x00A6;
constexpr std::int32_t kWmNcMButtonDown = 0x00A7;
constexpr std::int32_t kWmNcMButtonUp = 0x00A8;
constexpr std::int32_t kWmNcMButtonDblClk = 0x00A9;
constexpr std::int32_t kWmNcXButtonDown = 0x00AB;
constexpr std::int32_t kWmNcXButtonUp = 0x00AC;
constexpr std::int32_t kWmNcXButtonDblClk = 0x00AD;

// One wheel notch.
constexpr std::int32_t kWheelDelta = 120;

// Elements of TShiftStateEx; element n is bit n.
enum TShiftElement : std::uint8_t {
  ssShift = 0,
  ssAlt = 1,
  ssCtrl = 2,
  ssLeft = 3,
  ssRight = 4,
  ssMiddle = 5,
  ssDouble = 6,  // the press is the second click of a double click
  ssWin = 7,
  ssPrevious = 8,
  ssNext = 9,
};

// Modifier keys and mouse buttons held while a mouse message is handled.
class TShiftStateEx {
 public:
  constexpr TShiftStateEx() = default;
  constexpr TShiftStateEx(std::initializer_list<TShiftElement> elements) {
    for (TShiftElement e : elements) Include(e);
  }
  static constexpr TShiftStateEx FromBits(std::uint16_t bits) {
    TShiftStateEx s;
    s.bits_ = bits;
    return s;
  }

  constexpr std::uint16_t Bits() const { return bits_; }
  constexpr bool Contains(TShiftElement e) const { return (bits_ >> e) & 1u; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TShiftStateEx& Include(TShiftElement e) {
    bits_ = static_cast<std::uint16_t>(bits_ | (1u << e));
    return *this;
  }
  constexpr TShiftStateEx Without(TShiftStateEx removed) const {
    return FromBits(static_cast<std::uint16_t>(bits_ & ~removed.bits_));
  }
  friend constexpr bool operator==(TShiftStateEx, TShiftStateEx) = default;

 private:
  std::uint16_t bits_ = 0;
};

// The button of a down or up event.
enum TMouseButtonEx : std::uint8_t {
  mbxLeft = 0,
  mbxRight = 1,
  mbxMiddle = 2,
  mbxPrevious = 3,  // X button 1
  mbxNext = 4,      // X button 2
  mbxUnknownX = 9,  // an X-button message naming neither X button
};

// The virtual keys sampled for a TShiftStateEx and the element each sets
// (the left or the right Windows key both set ssWin).
struct SampledKey {
  int virtualKey;
  TShiftElement element;
};
inline constexpr SampledKey kSampledKeys[] = {
    {Vk::LButton, ssLeft},  {Vk::RButton, ssRight}, {Vk::MButton, ssMiddle},
    {Vk::Shift, ssShift},   {Vk::Control, ssCtrl},  {Vk::Menu, ssAlt},
    {Vk::LWin, ssWin},      {Vk::RWin, ssWin},      {Vk::XButton1, ssPrevious},
    {Vk::XButton2, ssNext},
};

// Builds the shift set from a key-state query: isDown(virtualKey) tells
// whether that key or button is held now.
template <typename KeyDown>
TShiftStateEx SampleShiftState(KeyDown&& isDown) {
  TShiftStateEx shift;
  for (const SampledKey& key : kSampledKeys) {
    if (isDown(key.virtualKey)) shift.Include(key.element);
  }
  return shift;
}

enum class MouseEventKind : std::uint8_t { None, Move, Down, Up, Wheel };

// What one forwarded record means.
struct TDecodedMouseMessage {
  MouseEventKind kind = MouseEventKind::None;
  TMouseButtonEx button = mbxLeft;  // down and up only
  bool clientArea = true;
  TShiftStateEx shift;          // the sampled state less the pressed button, plus
                                // ssDouble for the press of a double click
  std::int32_t wheelDelta = 0;  // wheel only: negative deltas become -120
};

// Decodes a record by the message table; sampled is the key state at the
// moment of handling. A double click is a press with ssDouble: the system
// pairs presses even when the first was swallowed, so the second click of a
// bound combination must be seen as a press to be swallowed in turn.
// Messages outside the table (the horizontal wheel, ...) are of kind None.
TDecodedMouseMessage DecodeMouseMessage(const TMouseHookData& data, TShiftStateEx sampled);

// The record carried by a copy-data block: false, without reading the block,
// when it is not exactly one record.
bool ReadMouseHookData(const void* block, std::size_t size, TMouseHookData& data);

// A window handle widened from its 32-bit form in the record.
constexpr WindowRef WindowFromRecord(std::uint32_t bits) {
  return static_cast<WindowRef>(static_cast<std::intptr_t>(static_cast<std::int32_t>(bits)));
}

// The directory the library is looked for in, with a trailing backslash
// unless empty.
std::string NormaliseDirectoryDll(std::string directory);

class THookMouseXP;

// Event types; Sender is the component. StopMsg starts false for each
// message and keeps what earlier handlers of the same message left in it.
using TMouseHookMessage = std::function<void(
    THookMouseXP& Sender, std::int32_t Msg, std::int32_t X, std::int32_t Y, WindowRef HandleWindow,
    std::uint32_t HitTestCode, std::uint32_t ExtraInfo, std::uint32_t MouseData, bool& StopMsg)>;
using TMouseHookEvent = std::function<void(
    THookMouseXP& Sender, TMouseButtonEx Button, TShiftStateEx Shift, std::int32_t X,
    std::int32_t Y, WindowRef HandleWindow, std::uint32_t HitTestCode, std::uint32_t ExtraInfo,
    std::uint32_t MouseData, bool ClientArea, bool& StopMsg)>;
using TMouseMoveHookEvent =
    std::function<void(THookMouseXP& Sender, TShiftStateEx Shift, std::int32_t X, std::int32_t Y,
                       WindowRef HandleWindow, std::uint32_t HitTestCode, std::uint32_t ExtraInfo,
                       bool ClientArea, bool& StopMsg)>;
using TMouseWheelHookEvent =
    std::function<void(THookMouseXP& Sender, TShiftStateEx Shift, std::int32_t WheelDelta,
                       Point MousePos, WindowRef HandleWindow, bool& StopMsg)>;
using TMouseWheelUpDownHookEvent =
    std::function<void(THookMouseXP& Sender, TShiftStateEx Shift, Point MousePos,
                       WindowRef HandleWindow, bool& StopMsg)>;

// What the component needs of the system: the hook library and the user.
class IHookLibrarySystem {
 public:
  virtual ~IHookLibrarySystem() = default;
  // Loads the library from path; false when it could not be loaded.
  virtual bool LoadHookLibrary(const std::string& path) = 0;
  // Binds the two exports by name; each tells whether it was found.
  virtual bool BindInitialisationHook() = 0;
  virtual bool BindFinalisationHook() = 0;
  // Calls the bound export with the receiving window (created if needed).
  virtual bool CallInitialisationHook() = 0;
  virtual void CallFinalisationHook() = 0;
  virtual void FreeHookLibrary() = 0;
  // The plain application message box.
  virtual void ShowMessage(const std::string& text) = 0;
};

class THookMouseXP {
 public:
  static constexpr const char* kLibraryName = "ZARTHOOK.DLL";
  static constexpr const char* kTextDllNotFound =
      "Dll non trouv\xC3\xA9"
      "e : ";
  static constexpr const char* kTextInitFailed = "Erreur \xC3\xA0 l'initialisation du Hook";

  // Nothing is loaded until Loaded() or Enabled goes from false to true.
  explicit THookMouseXP(IHookLibrarySystem& system, bool enabled = true);
  // Removes the hook and unloads the library when enabled.
  ~THookMouseXP();
  THookMouseXP(const THookMouseXP&) = delete;
  THookMouseXP& operator=(const THookMouseXP&) = delete;

  // Called once the owner has set the properties: loads when enabled.
  void Loaded();

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool StopMessage() const { return stopMessage_; }
  void SetStopMessage(bool value) { stopMessage_ = value; }
  const std::string& DirectoryDll() const { return directoryDll_; }
  void SetDirectoryDll(std::string value) {
    directoryDll_ = NormaliseDirectoryDll(std::move(value));
  }
  bool LibraryLoaded() const { return libraryLoaded_; }
  bool Hooked() const { return hooked_; }

  // One forwarded copy-data block and the key state sampled on its arrival;
  // the answer goes back through the hook (non-zero = swallow).
  std::intptr_t HandleForwardedMessage(const void* block, std::size_t size, TShiftStateEx sampled);

  TMouseHookEvent OnMouseDown;
  TMouseHookEvent OnMouseUp;
  TMouseMoveHookEvent OnMouseMove;
  TMouseHookMessage OnMouseMessage;
  TMouseWheelHookEvent OnMouseWheel;
  TMouseWheelUpDownHookEvent OnMouseWheelDown;
  TMouseWheelUpDownHookEvent OnMouseWheelUp;

 private:
  void Load();
  void Unload();
  void FireWheel(const TMouseHookData& data, const TDecodedMouseMessage& decoded, bool& stop);
  void FireButton(const TMouseHookEvent& event, const TMouseHookData& data,
                  const TDecodedMouseMessage& decoded, bool& stop);

  IHookLibrarySystem& system_;
  bool enabled_;
  bool stopMessage_ = false;
  std::string directoryDll_;
  bool libraryLoaded_ = false;
  // Only a hook this component installed is removed: the library's
  // finalisation removes whatever hook is recorded, even another process's.
  bool hooked_ = false;
};

}  // namespace vxl
