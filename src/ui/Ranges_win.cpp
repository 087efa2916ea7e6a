#include "ui/Ranges_win.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "ui/CustomForm_win.h"
#include "ui/Edits_win.h"

namespace vxl::ui {

// --- TUpDown ---------------------------------------------------------------

const wchar_t* TUpDown::WindowClass() const { return UPDOWN_CLASSW; }

DWORD TUpDown::Style() const { return UDS_ARROWKEYS | UDS_NOTHOUSANDS; }

void TUpDown::AfterCreate() {
  const Range& range = Decl().range;
  UDACCEL step{0, static_cast<UINT>(range.increment)};
  ::SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
  if (auto* buddy = Form().Find<TEdit>(Decl().link)) {
    ::SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy->Handle()), 0);
  }
  min_ = range.min;
  max_ = range.max;
  ::SendMessageW(Handle(), UDM_SETRANGE32, min_, max_);
  position_ = range.position;
  ::SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
  ShowInBuddy();
}

void TUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  ::SendMessageW(Handle(), UDM_SETRANGE32, min_, max_);
  SetPosition(position_);
}

void TUpDown::ShowInBuddy() {
  // Written by us rather than by UDS_SETBUDDYINT, so that the edit shows
  // the position whichever way it changed.
  if (auto* buddy = Form().Find<TEdit>(Decl().link)) buddy->SetTextValue(std::to_string(position_));
}

void TUpDown::Accept(int position) {
  if (position == position_) return;
  position_ = position;
  ShowInBuddy();
  Fire(Event::Change, position_);
}

void TUpDown::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  ::SendMessageW(Handle(), UDM_SETPOS32, 0, position);
  Accept(position);
}

bool TUpDown::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code != UDN_DELTAPOS) return false;
  auto& change = reinterpret_cast<NMUPDOWN&>(header);
  const int proposed = std::clamp(position_ + change.iDelta, min_, max_);
  result = 0;
  if (proposed == position_) return true;
  TEvent event{*this, Event::Changing};
  event.value = proposed;
  if (!Fire(event)) {
    result = TRUE;  // refused: the control keeps its position
    return true;
  }
  // The control moves after this returns and then reports it by a scroll
  // message; taking the position now keeps the buddy in step at once.
  Accept(proposed);
  return true;
}

bool TUpDown::OnScroll(WORD) {
  const int now = static_cast<int>(::SendMessageW(Handle(), UDM_GETPOS32, 0, 0));
  if (now != position_) ::SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
  return true;
}

// --- TTrackBar -------------------------------------------------------------

const wchar_t* TTrackBar::WindowClass() const { return TRACKBAR_CLASSW; }

DWORD TTrackBar::Style() const {
  DWORD style = TBS_HORZ | ((Decl().flags & kTicksTop) ? TBS_TOP : TBS_BOTTOM);
  style |= Decl().range.frequency > 0 ? TBS_AUTOTICKS : TBS_NOTICKS;
  return style;
}

void TTrackBar::AfterCreate() {
  const Range& range = Decl().range;
  ::SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, range.min);
  ::SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, range.max);
  ::SendMessageW(Handle(), TBM_SETLINESIZE, 0, range.increment);
  if (range.pageSize > 0) ::SendMessageW(Handle(), TBM_SETPAGESIZE, 0, range.pageSize);
  if (range.frequency > 0) ::SendMessageW(Handle(), TBM_SETTICFREQ, range.frequency, 0);
  position_ = range.position;
  ::SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetPosition(int position) {
  ::SendMessageW(Handle(), TBM_SETPOS, TRUE, position);
  OnScroll(TB_ENDTRACK);
}

bool TTrackBar::OnScroll(WORD) {
  const int now = static_cast<int>(::SendMessageW(Handle(), TBM_GETPOS, 0, 0));
  if (now == position_) return true;
  position_ = now;
  Fire(Event::Change, position_);
  return true;
}

}  // namespace vxl::ui
