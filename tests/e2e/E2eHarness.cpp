#include "E2eHarness.h"

#include <atomic>

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

BOOL CALLBACK CollectWindow(HWND wnd, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  if (WindowClassName(wnd) != search->className) return TRUE;
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
std::atomic<int> gBackdropLeftClicks{0};

LRESULT CALLBACK BackdropProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) ++gBackdropLeftClicks;
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return ::DefWindowProcW(wnd, message, wParam, lParam);
}
}  // namespace

Backdrop::Backdrop(COLORREF colour) : colour_(colour), brush_(::CreateSolidBrush(colour)) {
  gBackdropLeftClicks = 0;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = BackdropProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VxlE2eBackdrop";
  ::RegisterClassExW(&wc);  // fails harmlessly when already registered
  wnd_ = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"VxlE2eBackdrop", L"backdrop",
                           WS_POPUP, 0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                           ::GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                           ::GetModuleHandleW(nullptr), nullptr);
  ::SetClassLongPtrW(wnd_, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush_));
  ::ShowWindow(wnd_, SW_SHOWNOACTIVATE);
  ::UpdateWindow(wnd_);
  WaitUntil([&] { return ScreenPixel(5, 5) == colour_; }, 3000);
}

Backdrop::~Backdrop() {
  ::DestroyWindow(wnd_);
  ::DeleteObject(brush_);
}

int Backdrop::LeftClicks() const { return gBackdropLeftClicks; }

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
  return ::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder.c_str(), &startup, &info_) != FALSE;
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
  ::EnumWindows(
      [](HWND wnd, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<WindowSearch*>(lParam);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(wnd, &owner);
        if (owner == s->processId) s->found.push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
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

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
  // The box exists before its texts are set; it shows once it is ready.
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND box : TopLevelWindows(L"#32770", processId)) {
          if (::IsWindowVisible(box)) found = box;
        }
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

namespace {
BOOL CALLBACK JoinStaticText(HWND child, LPARAM lParam) {
  auto* joined = reinterpret_cast<std::wstring*>(lParam);
  if (WindowClassName(child) == L"Static") *joined += WindowText(child);
  return TRUE;
}
}  // namespace

std::wstring MessageBoxText(HWND box) {
  std::wstring text;
  ::EnumChildWindows(box, JoinStaticText, reinterpret_cast<LPARAM>(&text));
  return text;
}

std::optional<LRESULT> Send(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs) {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutW(wnd, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &result)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

std::optional<LRESULT> SendCopyData(HWND wnd, const void* data, DWORD size,
                                    ULONG_PTR identifier) {
  COPYDATASTRUCT copy{identifier, size, const_cast<void*>(data)};
  return Send(wnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
}

// --- screen -----------------------------------------------------------------

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
