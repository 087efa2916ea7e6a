#include "GalleryProcess.h"

#include "UiChecks.h"
#include "gallery/GalleryTable.h"
#include "ui/CustomForm_win.h"
#include "ui/WinText_win.h"

namespace e2e {
namespace {

constexpr const char* kSentinel = "frmGallery.OnKeyDown F12";

std::wstring BesideTests(const wchar_t* file) {
  wchar_t path[MAX_PATH] = L"";
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  folder.resize(folder.rfind(L'\\') + 1);
  return folder + file;
}

// GetWindowText does not ask a control of another process for its text:
// WM_GETTEXT does.
std::wstring ControlText(HWND control) {
  const LRESULT length = Send(control, WM_GETTEXTLENGTH, 0, 0).value_or(0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      Send(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())).value_or(0);
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

GalleryProcess::GalleryProcess(int zoom) {
  const std::wstring exe = BesideTests(L"vexilor_gallery.exe");
  if (!process_.Start(exe, L"--zoom " + std::to_wstring(zoom), BesideTests(L""))) return;
  form_ = WaitForWindow(gallery::kGalleryClass, process_.Id());
  // Ready once shown with the focus on its first control.
  WaitUntil([&] { return form_ && ::IsWindowVisible(form_) && FocusOf() != nullptr; }, 5000);
}

GalleryProcess::~GalleryProcess() { process_.End(2000); }

HWND GalleryProcess::Control(std::string_view name) const {
  const int row = vxl::ui::FindRow(gallery::GalleryTable(), name);
  return row < 0 ? nullptr : ::GetDlgItem(form_, vxl::ui::kFirstControlId + row);
}

std::wstring GalleryProcess::Text(std::string_view name) const {
  return ControlText(Control(name));
}

std::vector<std::string> GalleryProcess::Journal() const {
  return SplitLines(vxl::win::Narrow(ControlText(Control("memJournal"))));
}

LRESULT GalleryProcess::Command(const std::string& command) const {
  COPYDATASTRUCT data{gallery::kCommandData, static_cast<DWORD>(command.size()),
                      const_cast<char*>(command.data())};
  return Send(form_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)).value_or(0);
}

POINT GalleryProcess::Centre(std::string_view name) const {
  RECT r{};
  ::GetWindowRect(Control(name), &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT GalleryProcess::EntryPoint(std::string_view name, int index) const {
  const LRESULT packed = Command("point " + std::string(name) + " " + std::to_string(index));
  return {static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
}

std::wstring GalleryProcess::HintAt(POINT p) const {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(form_, &processId);
  const auto shownTip = [&](std::wstring& text) {
    for (HWND tip : TopLevelWindows(L"tooltips_class32", processId)) {
      if (!::IsWindowVisible(tip)) continue;
      wchar_t buffer[256] = L"";
      Send(tip, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
      text = buffer;
      return true;
    }
    return false;
  };
  // Two xdotool runs may overtake each other: each move is waited for.
  const auto moveTo = [](POINT target) {
    XdoTool(L"mousemove " + std::to_wstring(target.x) + L" " + std::to_wstring(target.y));
    WaitUntil([&] {
      POINT now{};
      return ::GetCursorPos(&now) && now.x == target.x && now.y == target.y;
    });
  };
  // Away over a control without a hint, so that the tip sees the pointer
  // leave its tool (off the form it would see nothing) and hides.
  std::wstring text;
  moveTo(Centre("memJournal"));
  WaitUntil([&] { return !shownTip(text); }, 5000);
  moveTo(p);
  text.clear();
  WaitUntil([&] { return shownTip(text) && !text.empty(); }, 5000);
  return text;
}

HWND GalleryProcess::FocusOf() const { return FocusOfThread(form_); }

std::wstring GalleryProcess::ClickAt(POINT p) {
  return L"mousemove " + std::to_wstring(p.x) + L" " + std::to_wstring(p.y) + L" click 1 ";
}

std::wstring GalleryProcess::OverForm() const {
  const POINT p = Centre("pnlStatus");
  return L"mousemove " + std::to_wstring(p.x) + L" " + std::to_wstring(p.y) + L" ";
}

std::vector<std::string> GalleryProcess::Gesture(const std::wstring& xdotoolArguments) const {
  // xdotool's "key" takes every word after it: the sentinel joins its keys.
  const bool endsWithKeys = xdotoolArguments.find(L"key ") != std::wstring::npos;
  ClearJournal();
  XdoTool(xdotoolArguments + (endsWithKeys ? L" F12" : L" key F12"));
  std::vector<std::string> lines;
  WaitUntil([&] {
    lines = Journal();
    return !lines.empty() && lines.back() == kSentinel;
  });
  if (lines.empty() || lines.back() != kSentinel) return {"<no sentinel>"};
  lines.pop_back();
  return lines;
}

}  // namespace e2e
