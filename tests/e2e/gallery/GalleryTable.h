// The gallery: one form with every kind of control of the library, for the
// end-to-end tests (not part of the programs). Its table is portable so
// that the unit tests check it like any page's.
#pragma once

#include "ui/FormTable.h"

namespace gallery {

constexpr const wchar_t* kGalleryClass = L"TformGallery";
// The frame shown on the tab control's second page.
constexpr const wchar_t* kGalleryFrameClass = L"TframeGalleryPage";
// dwData of the WM_COPYDATA commands the gallery takes (GalleryCommands.h).
constexpr unsigned long kCommandData = 0x47414C;

const vxl::ui::FormTable& GalleryTable();
const vxl::ui::FormTable& GalleryFrameTable();

}  // namespace gallery
