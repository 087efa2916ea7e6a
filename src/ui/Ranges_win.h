// Controls of a number in a range: the up-down, tied to an edit box that
// shows its value, and the track bar. OnChange reports a new position from
// the user or from code; the up-down's OnChanging first offers the
// proposed position to a handler that may refuse it.
#pragma once

#include "ui/Control_win.h"

namespace vxl::ui {

class TUpDown final : public TControl {
 public:
  using TControl::TControl;
  int Position() const { return position_; }
  // Clamped to the range; raises OnChange when the position differs.
  void SetPosition(int position);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);

  bool OnNotify(NMHDR& header, LRESULT& result) override;
  bool OnScroll(WORD code) override;

 protected:
  const wchar_t* WindowClass() const override;
  DWORD Style() const override;
  void AfterCreate() override;

 private:
  void ShowInBuddy();
  void Accept(int position);

  int position_ = 0;
  int min_ = 0;
  int max_ = 100;
};

class TTrackBar final : public TControl {
 public:
  using TControl::TControl;
  int Position() const { return position_; }
  void SetPosition(int position);
  bool OnScroll(WORD code) override;

 protected:
  const wchar_t* WindowClass() const override;
  DWORD Style() const override;
  void AfterCreate() override;

 private:
  int position_ = 0;
};

}  // namespace vxl::ui
