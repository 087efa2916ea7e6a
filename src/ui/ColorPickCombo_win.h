// TColorPickCombo: a drop-down colour picker. A standard drop-down list
// whose entries are drawn as swatches but carry the colours' names as text,
// so that screen readers announce the colour; the standard palette, the
// colour in use when it is not in the palette, and last a "further colours"
// entry drawn as a button (OtherBtnCaption) that opens the system's colour
// dialog. OnChange (the picker's OnChanged) reports every new ActiveColor,
// chosen by the user or set by code.
#pragma once

#include <cstdint>

#include "ui/Lists_win.h"

namespace vxl::ui {

class TColorPickCombo final : public TCustomCombo {
 public:
  using TCustomCombo::TCustomCombo;
  // A Windows colour 0x00BBGGRR.
  std::uint32_t ActiveColor() const { return colour_; }
  // Raises OnChange when the colour differs.
  void SetActiveColor(std::uint32_t colour);
  const std::string& OtherBtnCaption() const { return otherCaption_; }
  // Opens the colour dialog, as the further-colours entry does.
  void ChooseOtherColour();

  std::string GetTextProperty(std::string_view property) const override;
  void SetTextProperty(std::string_view property, const std::string& value) override;
  // Items are the names of the palette's colours.
  std::vector<std::string> GetListProperty(std::string_view property) const override;
  void SetListProperty(std::string_view property, const std::vector<std::string>& lines) override;
  bool OnCommand(WORD code) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
  void ApplyScale() override;

 protected:
  DWORD Style() const override;
  void AfterCreate() override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  int DesignItemHeight() const override { return 16; }
  int VisibleItems() const override;

 private:
  void Fill();
  void SelectColourEntry();
  void Settle();
  int OtherIndex() const;

  std::uint32_t colour_ = 0;
  std::string otherCaption_;
  std::vector<std::string> names_;
  bool chosen_ = false;  // an entry was chosen in the open list (CBN_SELENDOK)
  COLORREF customColours_[16] = {};
};

}  // namespace vxl::ui
