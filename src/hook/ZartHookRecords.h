/* The two records that ZARTHOOK.DLL shares with the service, readable from C
 * (the library) and C++ (the service). Both keep their 32-bit layout in the
 * 64-bit build, so 32- and 64-bit instances agree on every byte; window and
 * hook handles fit in 32 bits.
 *
 * TDonneesHook, the named shared section "MapHookMouseTolvane" (12 bytes):
 *    0 u32 reserved        never read or written; stays zero
 *    4 u32 HandleHook      the installed mouse hook; 0 = none
 *    8 u32 HandleReceiver  the window the forwarded messages go to
 *
 * TMouseHookData, the payload of every forwarded WM_COPYDATA (28 bytes):
 *    0 i32 Msg             the mouse message identifier
 *    4 i32 X, 8 i32 Y      pointer position, screen coordinates
 *   12 u32 HandleWindow    the window the mouse message is for
 *   16 u32 HitTestCode     HT value of the position
 *   20 u32 ExtraInfo       the message's extra information
 *   24 u32 MouseData       high word: wheel delta or X button number
 * Bytes 4..27 are the system's MOUSEHOOKSTRUCTEX, field by field. */
#ifndef VXL_ZARTHOOK_RECORDS_H
#define VXL_ZARTHOOK_RECORDS_H

#include <stddef.h>
#include <stdint.h>

#define VXL_HOOK_SECTION_NAME_W L"MapHookMouseTolvane"
#define VXL_HOOK_SECTION_SIZE 12
#define VXL_HOOK_RECORD_SIZE 28

typedef struct TDonneesHook {
  uint32_t reserved;
  uint32_t HandleHook;
  uint32_t HandleReceiver;
} TDonneesHook;

typedef struct TMouseHookData {
  int32_t Msg;
  int32_t X;
  int32_t Y;
  uint32_t HandleWindow;
  uint32_t HitTestCode;
  uint32_t ExtraInfo;
  uint32_t MouseData;
} TMouseHookData;

#ifdef __cplusplus
#define VXL_HOOK_STATIC_ASSERT(condition, text) static_assert(condition, text)
#else
#define VXL_HOOK_STATIC_ASSERT(condition, text) _Static_assert(condition, text)
#endif

VXL_HOOK_STATIC_ASSERT(sizeof(TDonneesHook) == VXL_HOOK_SECTION_SIZE, "section size");
VXL_HOOK_STATIC_ASSERT(offsetof(TDonneesHook, HandleHook) == 4, "HandleHook offset");
VXL_HOOK_STATIC_ASSERT(offsetof(TDonneesHook, HandleReceiver) == 8, "HandleReceiver offset");

VXL_HOOK_STATIC_ASSERT(sizeof(TMouseHookData) == VXL_HOOK_RECORD_SIZE, "record size");
VXL_HOOK_STATIC_ASSERT(offsetof(TMouseHookData, Msg) == 0, "Msg offset");
VXL_HOOK_STATIC_ASSERT(offsetof(TMouseHookData, X) == 4, "X offset");
VXL_HOOK_STATIC_ASSERT(offsetof(TMouseHookData, Y) == 8, "Y offset");
VXL_HOOK_STATIC_ASSERT(offsetof(TMouseHookData, HandleWindow) == 12, "HandleWindow offset");
VXL_HOOK_STATIC_ASSERT(offsetof(TMouseHookData, HitTestCode) == 16, "HitTestCode offset");
VXL_HOOK_STATIC_ASSERT(offsetof(TMouseHookData, ExtraInfo) == 20, "ExtraInfo offset");
VXL_HOOK_STATIC_ASSERT(offsetof(TMouseHookData, MouseData) == 24, "MouseData offset");

#endif
