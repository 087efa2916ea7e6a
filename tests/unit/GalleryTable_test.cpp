// The tables of the e2e gallery pass the checks every page's table must
// pass, and walk as the gallery's tests expect.
#include "gallery/GalleryTable.h"

#include <gtest/gtest.h>

namespace gallery {
namespace {

TEST(GalleryTable, FormAndFrameTablesHaveNoProblem) {
  EXPECT_EQ(vxl::ui::CheckTable(GalleryTable()), std::vector<std::string>{});
  EXPECT_EQ(vxl::ui::CheckTable(GalleryFrameTable()), std::vector<std::string>{});
}

TEST(GalleryTable, EveryKindOfControlIsInTheGallery) {
  using vxl::ui::Kind;
  for (int k = static_cast<int>(Kind::Label); k <= static_cast<int>(Kind::SaveDialog); ++k) {
    const auto kind = static_cast<Kind>(k);
    bool found = false;
    for (const auto& decl : GalleryTable()) found = found || decl.kind == kind;
    EXPECT_TRUE(found) << vxl::ui::KindName(kind);
  }
}

}  // namespace
}  // namespace gallery
