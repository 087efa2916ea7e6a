#include "E2eProcesses.h"

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

// --- Linux view of a process -------------------------------------------------

namespace {
// /proc files report no size: read until the end.
std::string ReadWholeFile(const std::wstring& path) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
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
    if (end == p)
      ++p;
    else
      p = end;
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
    if (tid == linuxPid)
      sample.mainThreadWakeups = wakeups;
    else
      sample.otherThreadsWakeups += wakeups;
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
  HANDLE file =
      ::CreateFileW(FilePath(relative).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<std::uint8_t> bytes(::GetFileSize(file, nullptr));
  DWORD read = 0;
  const bool ok = bytes.empty() ||
                  ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
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
  const bool ok =
      ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
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

std::optional<LRESULT> SendCopyData(HWND wnd, const void* data, DWORD size, ULONG_PTR identifier) {
  COPYDATASTRUCT copy{identifier, size, const_cast<void*>(data)};
  return Send(wnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
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
