// Behaviour of the control kinds on real windows: option groups, clicks,
// reflected notifications and colours, and drawing.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "form_test_support.h"

namespace {

using zel::Outcome;
using zel_test::ClientPixel;
using zel_test::DrainMessages;
using zel_test::TestForm;

class FormControls : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.CreateDefault(6000, 4500));
    ASSERT_TRUE(box.Create(form, {0, 0, 6000, 4500}));
    for (int16_t i = 0; i < 3; ++i) {
      ASSERT_TRUE(options.Load(i).Create(box, {90, 90.0f + 270 * i, 1200, 225}));
    }
    ASSERT_TRUE(other.Create(form, {0, 0, 600, 600}));
    ASSERT_TRUE(lone.Create(other, {0, 0, 600, 225}));
    options.Click = [this](int16_t index) { clicks.push_back(index); };
    form.ControlsCreated();
  }

  TestForm form;
  zel::PictureBox box{L"box"};
  zel::ControlArray<zel::OptionButton> options{L"options"};
  zel::PictureBox other{L"other"};
  zel::OptionButton lone{L"lone"};
  std::vector<int16_t> clicks;
};

bool Checked(const zel::OptionButton& b) {
  return SendMessageW(b.hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST_F(FormControls, SettingValueSelectsClearsTheGroupAndRaisesClickOnce) {
  lone.SetValue(true);
  options(0).SetValue(true);
  EXPECT_EQ(clicks, std::vector<int16_t>{0});
  options(2).SetValue(true);
  EXPECT_EQ(clicks, (std::vector<int16_t>{0, 2}));
  EXPECT_FALSE(options(0).Value());
  EXPECT_FALSE(Checked(options(0)));
  EXPECT_TRUE(options(2).Value());
  EXPECT_TRUE(Checked(options(2)));
  // Another container is another group.
  EXPECT_TRUE(lone.Value());
  // Already selected: nothing changes, nothing is raised.
  options(2).SetValue(true);
  EXPECT_EQ(clicks.size(), 2u);
  options(2).SetValue(false);
  EXPECT_FALSE(Checked(options(2)));
  EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(FormControls, AUsersClickOnTheButtonSelectsItAndRaisesClick) {
  options(1).SetValue(true);
  clicks.clear();
  SendMessageW(options(0).hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, std::vector<int16_t>{0});
  EXPECT_TRUE(Checked(options(0)));
  EXPECT_FALSE(options(1).Value());
  SendMessageW(options(0).hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, (std::vector<int16_t>{0, 0}));
}

TEST_F(FormControls, ContainerAnswersTheButtonsColourRequestWithItsColours) {
  options(1).SetForeColor(0x00404040);
  options(1).SetBackColor(0x00FFFFFF);
  HDC dc = GetDC(options(1).hwnd());
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(box.hwnd(), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(options(1).hwnd())));
  EXPECT_EQ(GetTextColor(dc), 0x00404040u);
  ReleaseDC(options(1).hwnd(), dc);
  LOGBRUSH lb{};
  ASSERT_TRUE(GetObjectW(brush, sizeof(lb), &lb));
  EXPECT_EQ(lb.lbColor, 0x00FFFFFFu);
}

TEST_F(FormControls, ArrayElementsAreFoundByIndex) {
  EXPECT_EQ(options.Count(), 3u);
  EXPECT_EQ(options.Item(7), nullptr);
  EXPECT_EQ(options.Item(2), &options(2));
  EXPECT_EQ(&options.Load(2), &options(2));
  EXPECT_EQ(options(2).Name(), L"options");
}

// A control that answers the notifications its window sends to its container.
class NotifyProbe : public zel::Control {
 public:
  NotifyProbe() : Control(L"probe", std::nullopt) {}
  bool Create(zel::Container& parent) {
    Attach(parent, {0, 0, 150, 150});
    return CreateOwnWindow({L"ZelNotifyProbe"}, 0, 0, L"");
  }
  UINT last_code = 0;

 protected:
  bool OnReflected(UINT msg, WPARAM, LPARAM lparam, LRESULT* result) override {
    if (msg != WM_NOTIFY) return false;
    last_code = reinterpret_cast<NMHDR*>(lparam)->code;
    *result = 0x5A;
    return true;
  }
};

TEST_F(FormControls, ContainersReflectNotificationsToTheSender) {
  for (zel::Container* parent : std::initializer_list<zel::Container*>{&box, &form}) {
    NotifyProbe probe;
    ASSERT_TRUE(probe.Create(*parent));
    NMHDR nm{probe.hwnd(), 1, static_cast<UINT>(NM_DBLCLK)};
    EXPECT_EQ(SendMessageW(parent->ContainerHwnd(), WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&nm)),
              0x5A);
    EXPECT_EQ(probe.last_code, static_cast<UINT>(NM_DBLCLK));
  }
}

TEST(FormClicks, PressAndReleaseInsideRaiseOneClick) {
  TestForm form;
  ASSERT_TRUE(form.CreateDefault());
  zel::Label label{L"label"};
  zel::Image image{L"image"};
  ASSERT_TRUE(label.Create(form, {0, 0, 600, 300}));
  ASSERT_TRUE(image.Create(form, {900, 0, 150, 600}));
  int label_clicks = 0, image_clicks = 0;
  label.Click = [&] { ++label_clicks; };
  image.Click = [&] { ++image_clicks; };
  const LPARAM inside = MAKELPARAM(3, 3);
  const LPARAM outside = MAKELPARAM(200, 3);
  SendMessageW(label.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
  SendMessageW(label.hwnd(), WM_LBUTTONUP, 0, inside);
  EXPECT_EQ(label_clicks, 1);
  // Released elsewhere: no click.
  SendMessageW(label.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
  SendMessageW(label.hwnd(), WM_LBUTTONUP, 0, outside);
  EXPECT_EQ(label_clicks, 1);
  // A release without a press: no click.
  SendMessageW(image.hwnd(), WM_LBUTTONUP, 0, inside);
  EXPECT_EQ(image_clicks, 0);
  for (int i = 0; i < 3; ++i) {
    SendMessageW(image.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    SendMessageW(image.hwnd(), WM_LBUTTONUP, 0, inside);
  }
  EXPECT_EQ(image_clicks, 3);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST(FormDrawing, ShapeOutlineAndBackgroundsAppearOnScreen) {
  TestForm form;
  ASSERT_TRUE(form.CreateDefault(3000, 3000));
  zel::PictureBox box{L"box"};
  zel::Shape shape{L"shape"};
  zel::Label label{L"label"};
  box.SetBackColor(0x00FFFFFF);
  ASSERT_TRUE(box.Create(form, {0, 0, 3000, 3000}));
  shape.Create(box, {150, 150, 1500, 1500});  // 10,10 .. 110,110 px
  zel::Label clear{L"clear"};
  label.SetCaption(L"");
  label.SetBackColor(0x0000C000);
  ASSERT_TRUE(label.Create(box, {1800, 150, 600, 300}));
  // A transparent label over the shape's left edge shows what the box draws there.
  clear.SetBackStyle(zel::BackStyle::kTransparent);
  clear.SetBackColor(0x0000C000);
  ASSERT_TRUE(clear.Create(box, {90, 1200, 600, 300}));  // 6,80 .. 46,100 px
  EXPECT_EQ(shape.SetBorderWidth(3), Outcome::kDone);
  shape.SetBorderColor(0x000000FF);
  form.ControlsCreated();
  form.Show();
  SetForegroundWindow(form.hwnd());
  DrainMessages();
  UpdateWindow(form.hwnd());
  RedrawWindow(box.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

  EXPECT_EQ(ClientPixel(box.hwnd(), 10, 50), 0x000000FFu);   // left edge
  EXPECT_EQ(ClientPixel(box.hwnd(), 12, 50), 0x000000FFu);   // three pixels wide
  EXPECT_EQ(ClientPixel(box.hwnd(), 13, 50), 0x00FFFFFFu);   // inside, not filled
  EXPECT_EQ(ClientPixel(box.hwnd(), 109, 50), 0x000000FFu);  // right edge, inside the bounds
  EXPECT_EQ(ClientPixel(box.hwnd(), 110, 50), 0x00FFFFFFu);
  EXPECT_EQ(ClientPixel(label.hwnd(), 1, 1), 0x0000C000u);
  EXPECT_EQ(ClientPixel(clear.hwnd(), 5, 10), 0x000000FFu);   // the edge at x = 11
  EXPECT_EQ(ClientPixel(clear.hwnd(), 20, 10), 0x00FFFFFFu);  // the box inside the shape

  // Width 0 draws no outline; a negative width is refused.
  EXPECT_EQ(shape.SetBorderWidth(0), Outcome::kDone);
  EXPECT_EQ(shape.SetBorderWidth(-1), Outcome::kRejected);
  EXPECT_EQ(shape.BorderWidth(), 0);
  EXPECT_EQ(shape.CallMethod(L"Refresh"), Outcome::kDone);
  EXPECT_EQ(ClientPixel(box.hwnd(), 10, 50), 0x00FFFFFFu);

  // Moving the shape clears where it was.
  shape.SetBorderWidth(1);
  shape.SetLeft(600);
  shape.CallMethod(L"Refresh");
  UpdateWindow(box.hwnd());
  EXPECT_EQ(ClientPixel(box.hwnd(), 40, 50), 0x000000FFu);
  EXPECT_EQ(ClientPixel(box.hwnd(), 10, 50), 0x00FFFFFFu);
}

TEST(FormDrawing, ColourChangesRepaintTheControl) {
  TestForm form;
  ASSERT_TRUE(form.CreateDefault(3000, 3000));
  zel::Frame frame{L"frame"};
  zel::PictureBox inner{L"inner"};
  frame.SetCaption(L"窗口皮肤");
  ASSERT_TRUE(frame.Create(form, {0, 0, 3000, 3000}));
  ASSERT_TRUE(inner.Create(frame, {90, 240, 1500, 1500}));
  form.ControlsCreated();
  form.Show();
  DrainMessages();
  EXPECT_EQ(frame.SetColorProperty(L"BackColor", 0x00F8EEEE), Outcome::kDone);
  EXPECT_EQ(inner.SetColorProperty(L"BackColor", 0x00A5AFB4), Outcome::kDone);
  UpdateWindow(form.hwnd());
  RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_EQ(ClientPixel(frame.hwnd(), 150, 150), 0x00F8EEEEu);
  EXPECT_EQ(ClientPixel(inner.hwnd(), 50, 50), 0x00A5AFB4u);
}

}  // namespace
