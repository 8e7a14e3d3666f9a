#include "widgets/image_combo_box.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ui/control.h"

namespace glean {
namespace {

LRESULT CALLBACK FormProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  LRESULT result;
  if (ui::ReflectToChild(m, w, l, result)) return result;
  return DefWindowProcA(h, m, w, l);
}

class ImageComboBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = FormProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GleanComboTestForm";
    RegisterClassA(&wc);
    form_ = CreateWindowA(wc.lpszClassName, "combo test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                          400, 300, nullptr, nullptr, wc.hInstance, nullptr);
    combo_ = std::make_unique<TImageComboBox>(form_, 10, 8, 8, 300);
    images_ = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
  }
  void TearDown() override {
    combo_.reset();
    DestroyWindow(form_);
    ImageList_Destroy(images_);
    for (HFONT f : fonts_) DeleteObject(f);
  }
  HFONT FontOfHeight(int cellHeight) {
    HFONT f = CreateFontA(cellHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    fonts_.push_back(f);
    return f;
  }
  void AddRedImage() {
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT r{0, 0, 16, 16};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &r, red);
    DeleteObject(red);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ImageList_AddMasked(images_, bmp, RGB(0, 255, 0));
    DeleteObject(bmp);
  }

  HWND form_ = nullptr;
  std::unique_ptr<TImageComboBox> combo_;
  HIMAGELIST images_ = nullptr;
  std::vector<HFONT> fonts_;
};

TEST_F(ImageComboBoxTest, ItemHeightFollowsFontAndImages) {
  HFONT small = FontOfHeight(10), large = FontOfHeight(20);
  int smallHeight = TImageComboBox::GetFontHeight(small);
  int largeHeight = TImageComboBox::GetFontHeight(large);
  // The cell height of a font asked for by its cell height (the system may round).
  ASSERT_NEAR(smallHeight, 10, 1);
  ASSERT_NEAR(largeHeight, 20, 1);
  combo_->SetFontKeepingHeight(small);
  EXPECT_EQ(combo_->ItemHeight(), smallHeight + 4);  // no image list: the font alone
  combo_->SetImageList(images_);
  EXPECT_EQ(combo_->ImageWidth(), 16);
  EXPECT_EQ(combo_->ItemHeight(), 20);  // the 16-pixel images win over the small font
  const LRESULT fieldHeight = SendMessageA(combo_->Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  combo_->SetFontKeepingHeight(large);
  EXPECT_EQ(combo_->ItemHeight(), largeHeight + 4);
  // A font that comes as the plain message, as a parent's font change sends it: the
  // images still set the height, in the list and in the selection field.
  SendMessageA(combo_->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(small), TRUE);
  EXPECT_EQ(combo_->ItemHeight(), 20);
  EXPECT_EQ(SendMessageA(combo_->Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), fieldHeight);
  combo_->SetImageList(nullptr);
  EXPECT_EQ(combo_->ImageHeight(), 0);
  EXPECT_EQ(combo_->ItemHeight(), smallHeight + 4);
}

// Leftmost column in `dc` whose pixel differs from white, in rows [0, h).
int FirstInkColumn(HDC dc, int w, int h, int from = 0) {
  for (int x = from; x < w; ++x)
    for (int y = 0; y < h; ++y)
      if (GetPixel(dc, x, y) != RGB(255, 255, 255)) return x;
  return -1;
}

TEST_F(ImageComboBoxTest, DrawsImageThenTextAndTextAloneWithoutImage) {
  AddRedImage();
  combo_->SetImageList(images_);
  combo_->SetColor(RGB(255, 255, 255));
  combo_->AddItem("A&B");
  combo_->AddItem("xyz");  // no image with index 1

  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 200, 20);
  HGDIOBJ old = SelectObject(dc, bmp);
  RECT r{0, 0, 200, 20};

  combo_->DrawItem(dc, 0, r, false);
  EXPECT_EQ(GetPixel(dc, 1, 5), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 2, 5), RGB(255, 0, 0));   // image at left + 2, centred in the height
  EXPECT_EQ(GetPixel(dc, 17, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 17, 2), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 17, 17), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 18, 5), RGB(255, 255, 255));
  int textStart = FirstInkColumn(dc, 200, 20, 18);
  EXPECT_GE(textStart, 2 + 16 + 8 - 2);  // after the image and its gap (glyph bearings vary)

  combo_->DrawItem(dc, 1, r, false);
  int bare = FirstInkColumn(dc, 200, 20);
  EXPECT_GE(bare, 0);
  EXPECT_LT(bare, 6);  // text at the left edge, no gap

  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

TEST_F(ImageComboBoxTest, AmpersandIsShownAsAPlainCharacter) {
  combo_->SetColor(RGB(255, 255, 255));
  combo_->AddItem("A&B");
  combo_->AddItem("AB");
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 200, 20);
  HGDIOBJ old = SelectObject(dc, bmp);
  RECT r{0, 0, 200, 20};
  auto inkWidth = [&](int index) {
    combo_->DrawItem(dc, index, r, false);
    int last = -1;
    for (int x = 0; x < 200; ++x)
      for (int y = 0; y < 20; ++y)
        if (GetPixel(dc, x, y) != RGB(255, 255, 255)) last = x;
    return last;
  };
  EXPECT_GT(inkWidth(0), inkWidth(1) + 2);  // the "&" takes room of its own
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

TEST_F(ImageComboBoxTest, KeyboardSelectionRaisesClickThenChangeOnce) {
  combo_->AddItem("one");
  combo_->AddItem("two");
  combo_->SetItemIndex(0);
  std::string log;
  combo_->OnClick = [&] { log += "click;"; };
  combo_->OnChange = [&] { log += "change;"; };
  SetFocus(combo_->Handle());
  SendMessageA(combo_->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_EQ(log, "click;change;");
  log.clear();
  combo_->SetItemIndex(0);  // a change by the program itself raises nothing
  EXPECT_EQ(log, "");
}

}  // namespace
}  // namespace glean
