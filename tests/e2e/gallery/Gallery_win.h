// TformGallery: the gallery form of the end-to-end tests. Every event it
// gets is written as a line "name.OnEvent value" into its journal memo,
// where the tests read it as a user would. The tests also drive it with
// WM_COPYDATA commands (dwData kCommandData, UTF-8 text):
//   set <name> <value>           sets a control's value from code
//   scale <zoom>                 scales the form and its frame, in
//                                thousandths, and paints them
//   localize <folder> <language> applies <folder>\<language>.Lng to the
//                                form and its frame
//   clear                        empties the journal
//   paint                        paints the form before answering
//   timer                        starts the timer, which ticks once
//   point <name> <index>         answers MAKELONG(x, y): the screen point at
//                                the middle of entry <index> of a list, tree
//                                or tab control, or of the control
//   cell <name> <col> <row>      the same for a cell of a grid
#pragma once

#include <memory>
#include <string>

#include "ui/Form_win.h"
#include "ui/Frame_win.h"

namespace gallery {

class TGallery final : public vxl::ui::TForm {
 public:
  TGallery();
  bool Create(int zoom);

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void LogEvent(vxl::ui::TEvent& event);
  void udnSpinChanging(vxl::ui::TEvent& event);
  void FormCloseQuery(vxl::ui::TEvent& event);
  void FormKeyDown(vxl::ui::TEvent& event);
  void tmrTickTimer(vxl::ui::TEvent& event);
  void sgrdCellsSelectCell(vxl::ui::TEvent& event);
  void cpcColourChange(vxl::ui::TEvent& event);
  void pbSwatchPaint(vxl::ui::TEvent& event);
  void btnMenuClick(vxl::ui::TEvent& event);
  void btnOpenClick(vxl::ui::TEvent& event);
  void btnSaveClick(vxl::ui::TEvent& event);
  void btnMessageClick(vxl::ui::TEvent& event);
  void FillGrid();

  void Log(const std::string& line);
  LRESULT RunCommand(const std::string& command);
  POINT PointOf(const std::string& name, int index) const;
  bool SetFromCode(const std::string& name, const std::string& value);
  bool Localize(const std::string& folder, const std::string& language);
  void Zoom(int zoom);

  // On the second tab, as a page of the configuration program would be.
  std::unique_ptr<vxl::ui::TFrame> frame_;
};

}  // namespace gallery
