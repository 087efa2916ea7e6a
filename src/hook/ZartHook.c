/* ZARTHOOK.DLL: installs the desktop-wide mouse hook for the locator service
 * and forwards every mouse message to the service's receiving window, which
 * answers whether the message is swallowed.
 *
 * The system loads this library into every process that retrieves mouse
 * messages, so it stays tiny: plain C, no C runtime, no allocation, imports
 * from kernel32 and user32 only. A process in which the shared section cannot
 * be had gets an inert instance: initialisation answers false and the hook
 * procedure passes every call on. */
#include <windows.h>

#include "hook/ZartHookRecords.h"

/* A hung or busy service must not freeze the mouse of the whole desktop: the
 * send gives up after this long (and at once once the system flags the
 * service as hung), and the message then goes on as if the answer were 0.
 * A quarter of a second is far above what the service needs to answer (a few
 * microseconds, or a frame or two while it paints), and short enough that
 * input stays usable while the service does not answer. */
#define VXL_HOOK_SEND_TIMEOUT_MS 250

/* Per-process state of this instance. */
static HINSTANCE gModule = NULL;
static HANDLE gSection = NULL;
static volatile TDonneesHook* gShared = NULL;

/* Handles cross in 32 bits; widening sign-extends them as the system does. */
static uint32_t HandleBits(const void* handle) { return (uint32_t)(uintptr_t)handle; }
static HHOOK HookFromBits(uint32_t bits) { return (HHOOK)(intptr_t)(int32_t)bits; }
static HWND WindowFromBits(uint32_t bits) { return (HWND)(intptr_t)(int32_t)bits; }

static void OpenSharedSection(void) {
  gSection = CreateFileMappingW(INVALID_HANDLE_VALUE, NULL, PAGE_READWRITE, 0,
                                VXL_HOOK_SECTION_SIZE, VXL_HOOK_SECTION_NAME_W);
  if (gSection == NULL) return;
  gShared = (volatile TDonneesHook*)MapViewOfFile(gSection, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0,
                                                  VXL_HOOK_SECTION_SIZE);
  if (gShared == NULL) {
    CloseHandle(gSection);
    gSection = NULL;
  }
}

static void CloseSharedSection(void) {
  if (gShared != NULL) UnmapViewOfFile((const void*)gShared);
  if (gSection != NULL) CloseHandle(gSection);
  gShared = NULL;
  gSection = NULL;
}

/* Sends one mouse message to the receiver; 0 when it did not answer. */
static LRESULT ForwardToReceiver(HWND receiver, UINT message, const MOUSEHOOKSTRUCTEX* hook) {
  TMouseHookData data;
  COPYDATASTRUCT envelope;
  DWORD_PTR answer = 0;
  data.Msg = (int32_t)message;
  data.X = hook->__unnamed.pt.x;
  data.Y = hook->__unnamed.pt.y;
  data.HandleWindow = HandleBits(hook->__unnamed.hwnd);
  data.HitTestCode = (uint32_t)hook->__unnamed.wHitTestCode;
  data.ExtraInfo = (uint32_t)hook->__unnamed.dwExtraInfo;
  data.MouseData = (uint32_t)hook->mouseData;
  envelope.dwData = 0;
  envelope.cbData = sizeof data;
  envelope.lpData = &data;
  if (!SendMessageTimeoutW(receiver, WM_COPYDATA, (WPARAM)gModule, (LPARAM)&envelope,
                           SMTO_NORMAL | SMTO_ABORTIFHUNG, VXL_HOOK_SEND_TIMEOUT_MS, &answer)) {
    return 0;
  }
  return (LRESULT)answer;
}

static LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam) {
  HWND receiver;
  LRESULT answer;
  if (code < 0 || gShared == NULL || lParam == 0) {
    return CallNextHookEx(NULL, code, wParam, lParam);
  }
  /* Messages that are only looked at, not removed from the queue, are not
   * the service's business. */
  if (code != HC_ACTION) return 0;
  receiver = WindowFromBits(gShared->HandleReceiver);
  if (receiver == NULL) return 0;
  answer = ForwardToReceiver(receiver, (UINT)wParam, (const MOUSEHOOKSTRUCTEX*)lParam);
  if (answer != 0) return answer; /* swallowed */
  return CallNextHookEx(HookFromBits(gShared->HandleHook), code, wParam, lParam);
}

/* A recorded hook whose receiver is gone was left by a service that ended
 * without removing it; it must not keep every later service from hooking. */
static BOOL RecordedHookIsStale(void) { return !IsWindow(WindowFromBits(gShared->HandleReceiver)); }

__declspec(dllexport) BOOLEAN WINAPI InitialisationHook(HWND receiver) {
  HHOOK hook;
  if (gShared == NULL || receiver == NULL) return FALSE;
  if (gShared->HandleHook != 0) {
    if (!RecordedHookIsStale()) return FALSE;
    UnhookWindowsHookEx(HookFromBits(gShared->HandleHook));
    gShared->HandleHook = 0;
  }
  hook = SetWindowsHookExW(WH_MOUSE, MouseHookProc, gModule, 0);
  gShared->HandleHook = HandleBits(hook);
  gShared->HandleReceiver = HandleBits(receiver);
  return gShared->HandleHook != 0;
}

__declspec(dllexport) void WINAPI FinalisationHook(void) {
  if (gShared == NULL || gShared->HandleHook == 0) return;
  UnhookWindowsHookEx(HookFromBits(gShared->HandleHook));
  gShared->HandleHook = 0;
}

/* The library's entry point (there is no C runtime to call a DllMain). */
BOOL WINAPI DllEntryPoint(HINSTANCE module, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    gModule = module;
    DisableThreadLibraryCalls(module);
    OpenSharedSection();
  } else if (reason == DLL_PROCESS_DETACH && reserved == NULL) {
    /* Unloaded by FreeLibrary; at process end the system cleans up. */
    CloseSharedSection();
  }
  return TRUE;
}
