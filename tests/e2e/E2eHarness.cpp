#include "E2eHarness.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace e2e {
namespace {

std::wstring Environment(const wchar_t* name) {
  wchar_t buffer[MAX_PATH * 2];
  const DWORD length = ::GetEnvironmentVariableW(name, buffer, MAX_PATH * 2);
  if (length == 0 || length >= MAX_PATH * 2) return {};
  std::wstring value(buffer, length);
  if (!value.empty() && value.back() != L'\\') value += L'\\';
  return value;
}

bool CopyFolder(const std::wstring& from, const std::wstring& to) {
  ::CreateDirectoryW(to.c_str(), nullptr);
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((from + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ok = CopyFolder(from + name + L"\\", to + name + L"\\") && ok;
    } else {
      ok = ::CopyFileW((from + name).c_str(), (to + name).c_str(), FALSE) && ok;
    }
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return ok;
}

void DeleteFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((folder + L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        DeleteFolder(folder + name + L"\\");
      } else {
        ::SetFileAttributesW((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW((folder + name).c_str());
      }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
  }
  ::RemoveDirectoryW(folder.c_str());
}

struct WindowSearch {
  const wchar_t* className;
  DWORD processId;
  std::vector<HWND> found;
};

// A null class name collects every window of the process.
BOOL CALLBACK CollectWindow(HWND wnd, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  if (search->className != nullptr && WindowClassName(wnd) != search->className) return TRUE;
  DWORD owner = 0;
  ::GetWindowThreadProcessId(wnd, &owner);
  if (search->processId == 0 || owner == search->processId) search->found.push_back(wnd);
  return TRUE;
}

}  // namespace

std::wstring DistFolder() { return Environment(L"VXL_DIST"); }
std::wstring ShotsFolder() { return Environment(L"VXL_SHOTS"); }

void PumpMessages(DWORD forMs) {
  const ULONGLONG deadline = ::GetTickCount64() + forMs;
  do {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    if (forMs) ::Sleep(10);
  } while (::GetTickCount64() < deadline);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    PumpMessages();
    if (condition()) return true;
    if (::GetTickCount64() >= deadline) return false;
    ::Sleep(20);
  }
}

// --- Backdrop ---------------------------------------------------------------

namespace {

// A shown, never activated window over the whole screen, of a class of the
// test program (registered on first use).
HWND CreateFullScreenWindow(const wchar_t* className, WNDPROC procedure) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  ::RegisterClassExW(&wc);  // fails harmlessly when already registered
  return ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, className, className, WS_POPUP, 0,
                           0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                           nullptr, nullptr, wc.hInstance, nullptr);
}

void ShowAndPaint(HWND wnd) {
  ::ShowWindow(wnd, SW_SHOWNOACTIVATE);
  ::UpdateWindow(wnd);
}

std::atomic<int> gBackdropLeftClicks{0};

LRESULT CALLBACK BackdropProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) ++gBackdropLeftClicks;
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return ::DefWindowProcW(wnd, message, wParam, lParam);
}
}  // namespace

Backdrop::Backdrop(COLORREF colour) : colour_(colour), brush_(::CreateSolidBrush(colour)) {
  gBackdropLeftClicks = 0;
  wnd_ = CreateFullScreenWindow(L"VxlE2eBackdrop", BackdropProc);
  ::SetClassLongPtrW(wnd_, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush_));
  ShowAndPaint(wnd_);
  WaitUntil([&] { return ScreenPixel(5, 5) == colour_; }, 3000);
}

Backdrop::~Backdrop() {
  ::DestroyWindow(wnd_);
  ::DeleteObject(brush_);
}

int Backdrop::LeftClicks() const { return gBackdropLeftClicks; }

// --- StripedBackdrop --------------------------------------------------------

namespace {
LRESULT CALLBACK StripedProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  if (message == WM_ERASEBKGND) return 1;
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(wnd, &paint);
    auto* self = reinterpret_cast<const StripedBackdrop*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (self) self->Paint(dc);
    ::EndPaint(wnd, &paint);
    return 0;
  }
  return ::DefWindowProcW(wnd, message, wParam, lParam);
}
}  // namespace

StripedBackdrop::StripedBackdrop(std::vector<COLORREF> colours, int stripeWidth)
    : colours_(std::move(colours)), stripeWidth_(stripeWidth) {
  wnd_ = CreateFullScreenWindow(L"VxlE2eStripes", StripedProc);
  ::SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ShowAndPaint(wnd_);
  WaitUntil([&] { return ScreenPixel(stripeWidth_ / 2, 5) == colours_.front(); }, 3000);
}

StripedBackdrop::~StripedBackdrop() { ::DestroyWindow(wnd_); }

COLORREF StripedBackdrop::ColourAt(int x) const {
  return colours_[static_cast<std::size_t>(x / stripeWidth_) % colours_.size()];
}

int StripedBackdrop::StripeCentre(std::size_t index, int fromX) const {
  const int period = stripeWidth_ * static_cast<int>(colours_.size());
  int start = fromX / period * period + static_cast<int>(index) * stripeWidth_;
  if (start + stripeWidth_ / 2 < fromX) start += period;
  return start + stripeWidth_ / 2;
}

void StripedBackdrop::Paint(HDC dc) const {
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  for (int x = 0; x < width; x += stripeWidth_) {
    HBRUSH brush = ::CreateSolidBrush(ColourAt(x));
    const RECT stripe{x, 0, x + stripeWidth_, height};
    ::FillRect(dc, &stripe, brush);
    ::DeleteObject(brush);
  }
}

// --- Linux view of a process -------------------------------------------------

namespace {
// /proc files report no size: read until the end.
std::string ReadWholeFile(const std::wstring& path) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    text.append(buffer, read);
  }
  ::CloseHandle(file);
  return text;
}

long VoluntarySwitches(const std::string& status) {
  const std::string key = "voluntary_ctxt_switches:";
  const std::size_t at = status.find(key);
  return at == std::string::npos ? 0 : std::atol(status.c_str() + at + key.size());
}
}  // namespace

int FindLinuxProcess(const std::wstring& commandLinePart) {
  std::string part;
  for (wchar_t c : commandLinePart) part += static_cast<char>(c);  // ASCII paths
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW(L"Z:\\proc\\*", &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int pid = 0;
  do {
    const int candidate = _wtoi(found.cFileName);
    if (candidate <= 0) continue;
    std::string commandLine =
        ReadWholeFile(L"Z:\\proc\\" + std::to_wstring(candidate) + L"\\cmdline");
    if (commandLine.find(part) != std::string::npos) pid = candidate;
  } while (pid == 0 && ::FindNextFileW(search, &found));
  ::FindClose(search);
  return pid;
}

std::optional<LinuxProcessSample> SampleLinuxProcess(int linuxPid) {
  const std::wstring base = L"Z:\\proc\\" + std::to_wstring(linuxPid);
  const std::string stat = ReadWholeFile(base + L"\\stat");
  // Fields after the command name in parentheses: state is field 3, utime 14, stime 15.
  const std::size_t close = stat.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  std::vector<long long> fields;
  for (const char* p = stat.c_str() + close + 2; *p;) {
    char* end = nullptr;
    fields.push_back(std::strtoll(p, &end, 10));
    if (end == p) ++p; else p = end;
    while (*p == ' ') ++p;
  }
  if (fields.size() < 13) return std::nullopt;
  LinuxProcessSample sample;
  sample.cpuMs = static_cast<double>(fields[11] + fields[12]) * 10.0;  // 100 ticks a second
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((base + L"\\task\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  do {
    const int tid = _wtoi(found.cFileName);
    if (tid <= 0) continue;
    const long wakeups =
        VoluntarySwitches(ReadWholeFile(base + L"\\task\\" + found.cFileName + L"\\status"));
    if (tid == linuxPid) sample.mainThreadWakeups = wakeups; else sample.otherThreadsWakeups += wakeups;
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return sample;
}

// --- TempProgramFolder ------------------------------------------------------

TempProgramFolder::TempProgramFolder() {
  static std::atomic<int> counter{0};
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + L"vxl-e2e-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter) + L"\\";
  DeleteFolder(path_);
  CopyFolder(DistFolder(), path_);
}

TempProgramFolder::~TempProgramFolder() { DeleteFolder(path_); }

std::optional<std::vector<std::uint8_t>> TempProgramFolder::ReadFile(
    const std::wstring& relative) const {
  HANDLE file = ::CreateFileW(FilePath(relative).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<std::uint8_t> bytes(::GetFileSize(file, nullptr));
  DWORD read = 0;
  const bool ok = bytes.empty() || ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()),
                                              &read, nullptr);
  ::CloseHandle(file);
  if (!ok) return std::nullopt;
  bytes.resize(read);
  return bytes;
}

bool TempProgramFolder::WriteFile(const std::wstring& relative,
                                  const std::vector<std::uint8_t>& bytes) const {
  // Create the folders on the way.
  const std::wstring full = FilePath(relative);
  for (std::size_t at = path_.size(); (at = full.find(L'\\', at)) != std::wstring::npos; ++at) {
    ::CreateDirectoryW(full.substr(0, at).c_str(), nullptr);
  }
  HANDLE file = ::CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                              nullptr) &&
                  written == bytes.size();
  ::CloseHandle(file);
  return ok;
}

bool TempProgramFolder::Exists(const std::wstring& relative) const {
  return ::GetFileAttributesW(FilePath(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool TempProgramFolder::RemoveFile(const std::wstring& relative) const {
  return ::DeleteFileW(FilePath(relative).c_str()) || !Exists(relative);
}

void TempProgramFolder::RemoveFolder(const std::wstring& relative) const {
  DeleteFolder(FilePath(relative) + L"\\");
}

// --- ChildProcess -----------------------------------------------------------

ChildProcess::~ChildProcess() {
  End(1000);
  if (info_.hProcess) ::CloseHandle(info_.hProcess);
  if (info_.hThread) ::CloseHandle(info_.hThread);
}

bool ChildProcess::Start(const std::wstring& exe, const std::wstring& arguments,
                         const std::wstring& workingFolder) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // Wine now and then refuses a start right after the program folder was
  // copied; one more try after a moment, and the reason on the log.
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         workingFolder.c_str(), &startup, &info_)) {
      return true;
    }
    fprintf(stderr, "e2e: CreateProcess failed with error %lu\n", ::GetLastError());
    ::Sleep(200);
  }
  return false;
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) {
  return info_.hProcess && ::WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool ChildProcess::Running() const {
  return info_.hProcess && ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (info_.hProcess) ::GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void ChildProcess::End(DWORD graceMs) {
  if (!Running()) return;
  WindowSearch search{nullptr, info_.dwProcessId, {}};
  ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  for (HWND wnd : search.found) ::PostMessageW(wnd, WM_CLOSE, 0, 0);
  if (WaitForExit(graceMs)) return;
  ::TerminateProcess(info_.hProcess, 255);
  WaitForExit(5000);
}

// --- windows and messages ---------------------------------------------------

std::vector<HWND> TopLevelWindows(const wchar_t* className, DWORD processId) {
  WindowSearch search{className, processId, {}};
  ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(const wchar_t* className, DWORD processId, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        const auto windows = TopLevelWindows(className, processId);
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

std::wstring WindowClassName(HWND wnd) {
  wchar_t name[256];
  const int length = ::GetClassNameW(wnd, name, 256);
  return std::wstring(name, length > 0 ? length : 0);
}

std::wstring WindowText(HWND wnd) {
  wchar_t text[512];
  const int length = ::GetWindowTextW(wnd, text, 512);
  return std::wstring(text, length > 0 ? length : 0);
}

std::optional<LRESULT> Send(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs) {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutW(wnd, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &result)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

HWND ConfigurationWindowStandIn() {
  // One per test program, for its whole run.
  static HWND standIn = ::CreateWindowExW(0, L"STATIC", L"configuration stand-in", WS_POPUP, 0, 0,
                                          10, 10, nullptr, nullptr, nullptr, nullptr);
  return standIn;
}

std::optional<LRESULT> SendCopyData(HWND wnd, const void* data, DWORD size,
                                    ULONG_PTR identifier) {
  COPYDATASTRUCT copy{identifier, size, const_cast<void*>(data)};
  return Send(wnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
}

std::vector<HWND> DialogBoxes(DWORD processId) { return TopLevelWindows(L"#32770", processId); }

HWND WaitForDialogBox(DWORD processId, DWORD timeoutMs) {
  // A box is found as soon as it exists; its controls and texts come a
  // little later.
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND dialog : DialogBoxes(processId)) {
          if (::IsWindowVisible(dialog) && !DialogText(dialog).empty()) found = dialog;
        }
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

std::wstring DialogText(HWND dialog) {
  std::wstring text;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (_wcsicmp(WindowClassName(child).c_str(), L"Static") != 0) continue;
    const std::wstring part = WindowText(child);
    if (part.empty()) continue;
    if (!text.empty()) text += L"\n";
    text += part;
  }
  return text;
}

void PressDialogButton(HWND dialog, int id) {
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

// --- screen -----------------------------------------------------------------

std::string ColourText(COLORREF c) {
  char text[32];
  std::snprintf(text, sizeof text, "RGB(%d, %d, %d)", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = ::GetDC(nullptr);
  const COLORREF colour = ::GetPixel(screen, x, y);
  ::ReleaseDC(nullptr, screen);
  return colour;
}

std::wstring SaveScreenshot(const std::wstring& name) {
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  // The screen leaves the alpha byte 0 (or whatever a drawing left there);
  // image viewers read 32-bit BMP alpha, so make every pixel opaque.
  auto* pixels = static_cast<std::uint8_t*>(bits);
  for (std::size_t i = 3; pixels && i < static_cast<std::size_t>(width) * height * 4; i += 4) {
    pixels[i] = 0xFF;
  }

  const DWORD imageSize = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof header + sizeof info.bmiHeader;
  header.bfSize = header.bfOffBits + imageSize;
  const std::wstring path = ShotsFolder() + name + L".bmp";
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  bool ok = file != INVALID_HANDLE_VALUE;
  if (ok) {
    DWORD written = 0;
    ok = ::WriteFile(file, &header, sizeof header, &written, nullptr) &&
         ::WriteFile(file, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
         ::WriteFile(file, bits, imageSize, &written, nullptr);
    ::CloseHandle(file);
  }
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return ok ? path : std::wstring();
}

// --- input ------------------------------------------------------------------

void MoveMouse(int x, int y) {
  // Absolute moves are given in 0..65535 across the primary screen.
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((x * 65535LL + width / 2) / (width - 1));
  input.mi.dy = static_cast<LONG>((y * 65535LL + height / 2) / (height - 1));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &input, sizeof input);
}

std::string HeldButtonsAndModifiers() {
  static const struct {
    int key;
    const char* name;
  } kKeys[] = {{VK_LBUTTON, "left "},   {VK_RBUTTON, "right "}, {VK_MBUTTON, "middle "},
               {VK_XBUTTON1, "x1 "},    {VK_XBUTTON2, "x2 "},   {VK_SHIFT, "shift "},
               {VK_CONTROL, "ctrl "},   {VK_MENU, "alt "},      {VK_LWIN, "lwin "},
               {VK_RWIN, "rwin "}};
  std::string held;
  for (const auto& k : kKeys) {
    if (::GetAsyncKeyState(k.key) & 0x8000) held += k.name;
  }
  return held;
}

void MouseButton(DWORD downFlag, DWORD upFlag) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = downFlag;
  inputs[1].mi.dwFlags = upFlag;
  ::SendInput(2, inputs, sizeof(INPUT));
}

void PressKey(WORD virtualKey, bool extended) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
  const DWORD flags = extended ? KEYEVENTF_EXTENDEDKEY : 0;
  inputs[0].ki.dwFlags = flags;
  inputs[1].ki.dwFlags = flags | KEYEVENTF_KEYUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

void PressChord(std::initializer_list<WORD> modifiers, WORD virtualKey) {
  std::vector<INPUT> inputs;
  auto key = [&](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (WORD modifier : modifiers) key(modifier, false);
  key(virtualKey, false);
  key(virtualKey, true);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) key(*it, true);
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool XdoTool(const std::wstring& arguments) {
  const std::wstring exe = L"Z:\\usr\\bin\\xdotool";
  std::wstring commandLine = L"xdotool " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
    return false;
  }
  // Handles come back empty for a Unix program; close whatever there is.
  if (info.hProcess) ::CloseHandle(info.hProcess);
  if (info.hThread) ::CloseHandle(info.hThread);
  return true;
}

LONGLONG Ticks() {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double TicksToMs(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace e2e
