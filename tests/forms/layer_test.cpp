// Geometry in twips, the control collection, late-bound properties and lifetime.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "form_test_support.h"
#include "hosting/activex_control.h"

namespace {

using zel::Bounds;
using zel::Outcome;
using zel_test::RectInParent;
using zel_test::TestForm;

TEST(FormUnits, TwipsAndDesignPixelsFollowTheResolution) {
  const zel::Dpi design;  // 96: fifteen twips a pixel
  EXPECT_EQ(design.TwipsToPixels(2280), 152);
  EXPECT_EQ(design.TwipsToPixels(-480), -32);
  EXPECT_EQ(design.TwipsToPixels(11143), 743);  // 742.87
  EXPECT_EQ(design.TwipsToPixels(11260), 751);  // 750.67
  EXPECT_FLOAT_EQ(design.PixelsToTwips(363), 5445);
  EXPECT_EQ(design.FontHeight(8.25f), -11);
  EXPECT_EQ(zel::Dpi(0), design);  // a resolution the system could not tell

  // 150 %: ten twips a pixel; halves round away from zero, for lengths and fonts alike.
  const zel::Dpi high(144);
  EXPECT_EQ(high.TwipsToPixels(2295), 230);
  EXPECT_EQ(high.TwipsToPixels(-2295), -230);
  EXPECT_FLOAT_EQ(high.PixelsToTwips(363), 3630);
  EXPECT_EQ(high.Scale(6), 9);
  EXPECT_EQ(high.Scale(-8), -12);
  EXPECT_EQ(zel::Dpi(120).Scale(-6), -8);  // -7.5
  EXPECT_EQ(zel::Dpi(120).Scale(2), 3);    // 2.5
  EXPECT_EQ(high.FontHeight(8.25f), -17);  // 16.5
}

TEST(FormUnits, SystemColoursComeFromTheScheme) {
  EXPECT_EQ(zel::ResolveColor(0x80000005), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(zel::ResolveColor(0x8000000F), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(zel::ResolveColor(0x0000C000), 0x0000C000u);
}

class FormLayer : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.CreateDefault());
    ASSERT_TRUE(box.Create(form, {0, 0, 5000, 4000}));
    ASSERT_TRUE(label.Create(box, {1500, 300, 615, 255}));
    ASSERT_TRUE(image.Create(box, {2280, -480, 150, 6015}));
    shape.Create(box, {30, 30, 900, 600});
    ASSERT_TRUE(frame.Create(box, {600, 1200, 2145, 2355}));
    ASSERT_TRUE(inner.Create(frame, {90, 240, 1995, 1995}));
    ASSERT_TRUE(option.Create(inner, {90, 90, 885, 225}));
    ASSERT_TRUE(tree.Create(box, {150, 300, 450, 600}));
    tree_window = tree.hwnd();
    // A hosted control that cannot be made keeps an empty place.
    ASSERT_FALSE(missing.Create(box, {0, 0, 100, 100}, L"{00000000-0000-0000-0000-0000DEADBEEF}"));
    form.ControlsCreated();
  }

  TestForm form;
  zel::PictureBox box{L"box"};
  zel::Label label{L"label"};
  zel::Image image{L"image"};
  zel::Shape shape{L"shape"};
  zel::Frame frame{L"frame", 0};
  zel::PictureBox inner{L"inner", 0};
  zel::OptionButton option{L"option", 3};
  zel::TreeView tree{L"tree"};
  zel::ActiveXControl missing{L"missing"};
  HWND tree_window = nullptr;
};

TEST_F(FormLayer, WindowsSitAtTheirTwipPositionsInsideTheirContainers) {
  const RECT l = RectInParent(label.hwnd());
  EXPECT_EQ(l.left, 100);
  EXPECT_EQ(l.top, 20);
  EXPECT_EQ(l.right - l.left, 41);
  EXPECT_EQ(l.bottom - l.top, 17);
  const RECT i = RectInParent(image.hwnd());
  EXPECT_EQ(i.left, 152);
  EXPECT_EQ(i.top, -32);
  EXPECT_EQ(i.bottom - i.top, 401);
  EXPECT_EQ(GetParent(inner.hwnd()), frame.hwnd());
  EXPECT_EQ(GetParent(option.hwnd()), inner.hwnd());
  const RECT o = RectInParent(option.hwnd());
  EXPECT_EQ(o.left, 6);
  EXPECT_EQ(o.top, 6);
  EXPECT_EQ(o.right - o.left, 59);
  EXPECT_EQ(o.bottom - o.top, 15);
  EXPECT_EQ(shape.hwnd(), nullptr);  // drawn by the box
}

TEST_F(FormLayer, CollectionHoldsEveryControlInCreationOrder) {
  std::vector<std::wstring> names;
  for (zel::Control* c : form.Controls()) names.push_back(c->Name());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"box", L"label", L"image", L"shape", L"frame",
                                              L"inner", L"option", L"tree", L"missing"}));
  EXPECT_EQ(option.Index(), std::optional<int16_t>(3));
  EXPECT_EQ(label.Index(), std::nullopt);
  EXPECT_EQ(inner.Parent(), &frame);
  EXPECT_EQ(box.Children().size(), 6u);
}

TEST_F(FormLayer, SizesKeepSinglePrecisionTwipsAndRejectNegativeValues) {
  EXPECT_EQ(box.SetWidth(11143), Outcome::kDone);
  EXPECT_FLOAT_EQ(box.Width(), 11143);
  RECT r{};
  GetClientRect(box.hwnd(), &r);
  EXPECT_EQ(r.right, 743);
  EXPECT_FLOAT_EQ(box.Width() - 4, 11139);

  EXPECT_EQ(box.SetWidth(-2), Outcome::kRejected);
  EXPECT_EQ(box.SetHeight(-0.5f), Outcome::kRejected);
  EXPECT_EQ(box.SetWidth(std::numeric_limits<float>::quiet_NaN()), Outcome::kRejected);
  EXPECT_FLOAT_EQ(box.Width(), 11143);
  EXPECT_FLOAT_EQ(box.Height(), 4000);
  GetClientRect(box.hwnd(), &r);
  EXPECT_EQ(r.right, 743);

  // Positions may be negative.
  EXPECT_EQ(label.SetTop(-300), Outcome::kDone);
  EXPECT_EQ(RectInParent(label.hwnd()).top, -20);
  EXPECT_EQ(shape.SetWidth(-1), Outcome::kRejected);
  EXPECT_FLOAT_EQ(shape.Width(), 900);
}

TEST_F(FormLayer, ColoursByNameAnswerNotSupportedWhereTheKindHasNone) {
  // Kinds with both colours.
  for (zel::Control* c : std::initializer_list<zel::Control*>{&box, &label, &frame, &option}) {
    SCOPED_TRACE(testing::Message() << std::string(c->Name().begin(), c->Name().end()));
    EXPECT_EQ(c->SetColorProperty(L"ForeColor", 0x008E503D), Outcome::kDone);
    EXPECT_EQ(c->SetColorProperty(L"BackColor", 0x00F8EEEE), Outcome::kDone);
    EXPECT_EQ(c->GetColorProperty(L"ForeColor"), std::optional<zel::OleColor>(0x008E503D));
    EXPECT_EQ(c->GetColorProperty(L"BackColor"), std::optional<zel::OleColor>(0x00F8EEEE));
  }
  // The shape has a fill but no text colour.
  EXPECT_EQ(shape.SetColorProperty(L"ForeColor", 0x008E503D), Outcome::kNotSupported);
  EXPECT_EQ(shape.GetColorProperty(L"ForeColor"), std::nullopt);
  EXPECT_EQ(shape.SetColorProperty(L"BackColor", 0x00FFFFFF), Outcome::kDone);
  EXPECT_EQ(shape.BackColor(), std::optional<zel::OleColor>(0x00FFFFFF));
  // Images and hosted controls have neither.
  EXPECT_EQ(image.SetColorProperty(L"BackColor", 1), Outcome::kNotSupported);
  EXPECT_EQ(tree.SetColorProperty(L"ForeColor", 1), Outcome::kNotSupported);
  EXPECT_EQ(tree.GetColorProperty(L"BackColor"), std::nullopt);
  // Names are exact.
  EXPECT_EQ(box.SetColorProperty(L"forecolor", 1), Outcome::kNotSupported);
  EXPECT_EQ(box.SetColorProperty(L"FillColor", 1), Outcome::kNotSupported);
  EXPECT_EQ(box.ForeColor(), std::optional<zel::OleColor>(0x008E503D));
}

TEST_F(FormLayer, RefreshByNameRunsOnEveryKindExceptAnEmptySlot) {
  for (zel::Control* c : form.Controls()) {
    const Outcome expected = c == &missing ? Outcome::kNotSupported : Outcome::kDone;
    EXPECT_EQ(c->CallMethod(L"Refresh"), expected);
  }
  EXPECT_EQ(box.CallMethod(L"Print"), Outcome::kNotSupported);
  // The owner's action replaces the repaint and reports whether it could run.
  int reloads = 0;
  missing.SetRefreshAction([&] { return ++reloads == 1; });
  EXPECT_EQ(missing.CallMethod(L"Refresh"), Outcome::kDone);
  EXPECT_EQ(missing.CallMethod(L"Refresh"), Outcome::kNotSupported);
  EXPECT_EQ(reloads, 2);
  EXPECT_TRUE(missing.Empty());
  EXPECT_EQ(missing.SetWidth(50), Outcome::kDone);  // an empty slot still keeps its place
}

TEST_F(FormLayer, VisibleHidesAndShowsTheWindow) {
  EXPECT_TRUE(GetWindowLongW(image.hwnd(), GWL_STYLE) & WS_VISIBLE);
  image.SetVisible(false);
  EXPECT_FALSE(image.Visible());
  EXPECT_FALSE(GetWindowLongW(image.hwnd(), GWL_STYLE) & WS_VISIBLE);
  image.SetVisible(true);
  EXPECT_TRUE(GetWindowLongW(image.hwnd(), GWL_STYLE) & WS_VISIBLE);
  tree.SetVisible(false);
  EXPECT_FALSE(GetWindowLongW(tree_window, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(FormLayer, ZOrderBringsAControlAboveItsSiblings) {
  // Later controls are created on top; ZOrder lifts an earlier one.
  EXPECT_EQ(GetWindow(box.hwnd(), GW_CHILD), tree_window);
  label.ZOrder();
  EXPECT_EQ(GetWindow(box.hwnd(), GW_CHILD), label.hwnd());
}

TEST_F(FormLayer, FontsAreTheControlsOwnOrTheForms) {
  EXPECT_EQ(label.FontHandle(), form.FontHandle());
  label.SetFont({L"Tahoma", 9.0f});
  HFONT own = label.FontHandle();
  EXPECT_NE(own, form.FontHandle());
  LOGFONTW lf{};
  ASSERT_TRUE(GetObjectW(own, sizeof(lf), &lf));
  EXPECT_EQ(lf.lfHeight, -12);
  EXPECT_STREQ(lf.lfFaceName, L"Tahoma");
  option.SetFont({L"MS Sans Serif", 8.25f});
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(option.hwnd(), WM_GETFONT, 0, 0)),
            option.FontHandle());
}

TEST(FormLifetime, ContainerGoingFirstLeavesItsChildrenWithoutWindows) {
  TestForm form;
  ASSERT_TRUE(form.CreateDefault());
  zel::Label label{L"label"};
  zel::Shape shape{L"shape"};
  {
    zel::PictureBox box{L"box"};
    ASSERT_TRUE(box.Create(form, {0, 0, 3000, 3000}));
    ASSERT_TRUE(label.Create(box, {0, 0, 600, 300}));
    shape.Create(box, {0, 0, 600, 300});
    EXPECT_EQ(form.Controls().size(), 3u);
  }
  EXPECT_EQ(label.hwnd(), nullptr);
  EXPECT_EQ(label.Parent(), nullptr);
  EXPECT_EQ(shape.Parent(), nullptr);
  EXPECT_EQ(label.CallMethod(L"Refresh"), Outcome::kNotSupported);
  EXPECT_EQ(form.Controls().size(), 2u);
}

TEST(FormLifetime, ControlsOutlivingTheFormForgetIt) {
  zel::Label label{L"label"};
  HWND label_window = nullptr;
  {
    TestForm form;
    ASSERT_TRUE(form.CreateDefault());
    ASSERT_TRUE(label.Create(form, {0, 0, 600, 300}));
    label_window = label.hwnd();
  }
  EXPECT_FALSE(IsWindow(label_window));
  EXPECT_EQ(label.hwnd(), nullptr);
  EXPECT_EQ(label.FontHandle(), GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace
