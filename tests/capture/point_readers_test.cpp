// The items under a screen point of the sample app's list view, tree view and list
// box, read from this process as the pointer reader does.
#include "capture/point_readers.h"
#include "capture_fixture.h"
#include "../../tools/sample-app/sample_ids.h"

namespace glean::capture::testing {
namespace {

namespace ids = sample_app::all;

class PointReaders : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (GetParam()) GLEAN_REQUIRE_32BIT();
    app_ = std::make_unique<SampleApp>("all", GetParam() ? "glean point 32" : "glean point 64", GetParam());
    ASSERT_NE(app_->Window(), nullptr);
  }
  HWND Control(int id) const { return app_->Control(id); }
  std::unique_ptr<SampleApp> app_;
};

// A point in row `row` of the report view, a few pixels into its first column.
POINT ListViewRowPoint(HWND listView, int row) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
  RECT h = WindowRectOf(header);
  const int rowHeight = HIWORD(SendMessageA(listView, LVM_APPROXIMATEVIEWRECT, 1, MAKELPARAM(-1, -1))) -
                        HIWORD(SendMessageA(listView, LVM_APPROXIMATEVIEWRECT, 0, MAKELPARAM(-1, -1)));
  return POINT{h.left + 10, h.bottom + rowHeight * row + rowHeight / 2 - 2};
}

TEST_P(PointReaders, AListViewRowGivesOneLinePerCellWithItsHeader) {
  HWND list = Control(ids::kListView);
  POINT p = ListViewRowPoint(list, 0);
  // Headers "名前", "" and " ": only the first is spoken.
  EXPECT_EQ(ListViewItemAtPoint(list, p.x, p.y, false), "《名前》書類.txt\r\n12 KB\r\nテキスト\r\n");
  EXPECT_EQ(ListViewItemAtPoint(list, p.x, p.y, true), "《名前》書類.txt.\r\n12 KB.\r\nテキスト.\r\n");
  p = ListViewRowPoint(list, 1);
  EXPECT_EQ(ListViewItemAtPoint(list, p.x, p.y, false), "《名前》写真.jpg\r\n1.5 MB\r\n画像\r\n");
  // Below the last row there is no item.
  RECT r = WindowRectOf(list);
  EXPECT_EQ(ListViewItemAtPoint(list, r.left + 10, r.bottom - 8, false), "");
}

TEST_P(PointReaders, ATreeViewItemGivesItsText) {
  HWND tree = Control(ids::kTreeView);
  RECT r = WindowRectOf(tree);
  const int itemHeight = static_cast<int>(SendMessageA(tree, TVM_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(itemHeight, 0);
  EXPECT_EQ(TreeViewItemAtPoint(tree, r.left + 30, r.top + itemHeight / 2), "ルート");
  EXPECT_EQ(TreeViewItemAtPoint(tree, r.left + 40, r.top + itemHeight + itemHeight / 2), "子項目一");
  EXPECT_EQ(TreeViewItemAtPoint(tree, r.left + 30, r.bottom - 4), "") << "below the last item";
}

TEST_P(PointReaders, AListBoxItemGivesItsText) {
  HWND list = Control(ids::kListSingle);
  const int itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(itemHeight, 0);
  POINT p{5, itemHeight + itemHeight / 2};
  ClientToScreen(list, &p);
  EXPECT_EQ(ListBoxItemAtPoint(list, p.x, p.y), "二番目");
}

INSTANTIATE_TEST_SUITE_P(Bitness, PointReaders, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Bits32" : "Bits64"; });

}  // namespace
}  // namespace glean::capture::testing
