#include "ui/Edits_win.h"

#include "common/Encoding.h"

namespace vxl::ui {
namespace {

constexpr const wchar_t* kMemoClass = L"TMemo";

// The EDIT procedure the "TMemo" superclass passes everything to. A class
// procedure gets no user pointer, so it has to be kept here.
WNDPROC gEditProcedure = nullptr;

LRESULT CALLBACK MemoProcedure(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return ::CallWindowProcW(gEditProcedure, wnd, message, wParam, lParam);
}

bool RegisterMemoClass() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (::GetClassInfoExW(instance, kMemoClass, &wc)) return true;
  if (!::GetClassInfoExW(nullptr, L"EDIT", &wc)) return false;
  gEditProcedure = wc.lpfnWndProc;
  wc.lpfnWndProc = &MemoProcedure;
  wc.hInstance = instance;
  wc.lpszClassName = kMemoClass;
  // The system's class is global; ours belongs to the program.
  wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  return ::RegisterClassExW(&wc) != 0;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace

// --- TCustomEdit -----------------------------------------------------------

DWORD TCustomEdit::Style() const { return (Decl().flags & kReadOnly) ? ES_READONLY : 0; }

void TCustomEdit::AfterCreate() {
  if (Decl().maxLength > 0) ::SendMessageW(Handle(), EM_LIMITTEXT, Decl().maxLength, 0);
  text_ = WindowText();
}

void TCustomEdit::SetTextValue(const std::string& text) {
  // The edit announces the new text itself (EN_CHANGE); the comparison in
  // OnCommand keeps it to one event, and to none when nothing changed.
  SetWindowText(text);
  OnCommand(EN_CHANGE);
}

void TCustomEdit::SelectAll() { ::SendMessageW(Handle(), EM_SETSEL, 0, -1); }

std::string TCustomEdit::GetTextProperty(std::string_view property) const {
  if (EqualsNoCase(property, "Text")) return text_;
  return TControl::GetTextProperty(property);
}

void TCustomEdit::SetTextProperty(std::string_view property, const std::string& value) {
  if (EqualsNoCase(property, "Text")) {
    SetTextValue(value);
    return;
  }
  TControl::SetTextProperty(property, value);
}

bool TCustomEdit::OnCommand(WORD code) {
  if (code != EN_CHANGE) return false;
  std::string now = WindowText();
  if (now == text_) return true;
  text_ = std::move(now);
  Fire(Event::Change);
  return true;
}

// --- TMemo -----------------------------------------------------------------

const wchar_t* TMemo::WindowClass() const { return RegisterMemoClass() ? kMemoClass : L"EDIT"; }

DWORD TMemo::Style() const {
  DWORD style = TCustomEdit::Style() | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (Decl().flags & kScrollBar) style |= WS_VSCROLL;
  return style;
}

void TMemo::AfterCreate() {
  TCustomEdit::AfterCreate();
  if (!Decl().items.empty()) SetLinesValue(Decl().items);
}

std::vector<std::string> TMemo::Lines() const {
  std::vector<std::string> lines;
  const std::string& text = Text();
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

void TMemo::SetLinesValue(const std::vector<std::string>& lines) { SetTextValue(JoinLines(lines)); }

std::vector<std::string> TMemo::GetListProperty(std::string_view property) const {
  return EqualsNoCase(property, "Lines") ? Lines() : TCustomEdit::GetListProperty(property);
}

void TMemo::SetListProperty(std::string_view property, const std::vector<std::string>& lines) {
  if (EqualsNoCase(property, "Lines")) SetLinesValue(lines);
}

}  // namespace vxl::ui
