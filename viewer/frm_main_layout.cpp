// The main window as designed: every control with its container, place in
// twips, captions, fonts, colours and tags, in the window's control order.
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "viewer/frm_main.h"
#include "viewer/picture_scale.h"
#include "viewer/player_settings.h"
#include "viewer/style_presets.h"
#include "viewer/zel_config.h"
#include "win32/trace.h"

namespace {

const zel::FontDescription kSansSerif{L"MS Sans Serif", 8.25f};
const zel::FontDescription kTreeFont{L"Tahoma", 9.0f};
const zel::FontDescription kLinkFont{L"黑体", 8.25f, GB2312_CHARSET};
using zel::kWindowBackground;
using zel::kWindowText;
constexpr zel::OleColor kWhite = 0x00FFFFFF;
constexpr zel::OleColor kGreen = 0x0000C000;
constexpr zel::OleColor kLeafText = 0x00404040;
constexpr const wchar_t* kStyled = zel::kStyledTag;  // recoloured by the styles

// One control of the design. A control array's row holds what its elements share.
struct DesignRow {
  const wchar_t* name;
  const wchar_t* container;
  zel::Bounds place;
  const wchar_t* caption = nullptr;
  std::optional<zel::OleColor> fore = std::nullopt;
  std::optional<zel::OleColor> back = std::nullopt;
  const zel::FontDescription* font = nullptr;
  const wchar_t* tag = nullptr;
  bool visible = true;
};

// clang-format off
const DesignRow kDesign[] = {
//  name            container     left   top    width  height  caption      fore           back               font         tag
  {L"picMain",     L"frmMain",   {0,     0,     12405, 10425}, nullptr,     kWindowText,   kWindowBackground, &kSansSerif, kStyled},
  {L"TreeView1",   L"picMain",   {0,     0,     2295,  5415},  nullptr,     std::nullopt,  std::nullopt,      &kTreeFont},
  {L"Image2",      L"picMain",   {2280,  -480,  150,   6015}},
  {L"Image1",      L"picMain",   {2280,  -480,  135,   6045}},
  {L"wmp1",        L"picMain",   {2400,  0,     5895,  5415}},
  {L"WebBrowser1", L"picMain",   {8280,  -120,  2895,  6615}},
  {L"Label1",      L"picMain",   {7560,  5040,  615,   255},   L"官方网",   kGreen,        std::nullopt,      &kLinkFont},
  // Form_Resize fits the border to picMain.
  {L"spBorder",    L"picMain",   {2,     2,     12401, 10421}, nullptr,     std::nullopt,  std::nullopt,      nullptr,     kStyled},
  {L"fmMain",      L"picMain",   {6000,  9120,  2145,  2355},  L"窗口皮肤", std::nullopt,  kWhite,            nullptr,     kStyled},
  {L"Picture1",    L"fmMain",    {90,    240,   1995,  1995},  nullptr,     std::nullopt,  kWhite,            nullptr,     kStyled},
  // Left and height; each button's top and width are in kStyleOptions.
  {L"optStyle",    L"Picture1",  {90,    0,     0,     225},   nullptr,     std::nullopt,  kWhite,            &kSansSerif, kStyled},
  {L"Scriptlet1",  L"picMain",   {2640,  6240,  1335,  375}},
  // Image holders for the styles: never shown.
  {L"picResource", L"frmMain",   {0,     0,     0,     0},     nullptr,     std::nullopt,  std::nullopt,      nullptr,     nullptr, false},
};
// clang-format on

struct StyleOption {
  const wchar_t* caption;
  float top;
  float width;
};
constexpr StyleOption kStyleOptions[] = {
    {L"Frost", 90, 885},     {L"Leaf", 360, 765},    {L"Midnight", 630, 1065},
    {L"Ocean", 900, 915},    {L"Alpha", 1170, 1275}, {L"Alpha Wire", 1440, 1215},
    {L"Hybrid", 1740, 1215},
};
constexpr int16_t kLeaf = 1;  // alone with its own text colour at design
constexpr int16_t kResourceCount = 14;

const DesignRow& Row(std::wstring_view name) {
  for (const DesignRow& row : kDesign)
    if (name == row.name) return row;
  return kDesign[0];  // every name asked for is in the table
}

// The one way a control of the design is made: its settings, then its window
// inside its container. Hosted controls take their own settings as `extra`.
template <class C, class... Extra>
void Make(C& control, zel::Container& container, const DesignRow& row, const zel::Bounds& place,
          const Extra&... extra) {
  if constexpr (requires { control.SetCaption(std::wstring()); })
    if (row.caption) control.SetCaption(row.caption);
  if (row.fore) control.SetForeColor(*row.fore);
  if (row.back) control.SetBackColor(*row.back);
  if (row.tag) control.SetTag(row.tag);
  if (row.font) control.SetFont(*row.font);
  if (!row.visible) control.SetVisible(false);
  if constexpr (std::is_same_v<decltype(control.Create(container, place, extra...)), bool>) {
    if (!control.Create(container, place, extra...))
      zel::TraceFailure(L"frmMain: " + control.Name() +
                        L" was not made; the window goes on without it");
  } else {
    control.Create(container, place, extra...);
  }
}

}  // namespace

bool frmMain::Create() {
  zel::FormDesign design;
  design.class_name = L"ZelvanoMainForm";
  design.caption = L"ZelvanoV2010";
  design.client_width = 11145;
  design.client_height = 5445;
  design.font = {L"Tahoma", 8.25f};
  // Fixed single border with a minimize button and no maximize button.
  design.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  if (!CreateForm(design)) return false;
  m_PictureScale = zel::PictureScaleFor(FormDpi());
  LoadPictures();
  CreateControls();
  LoadSkinPictures();
  ControlsCreated();
  return true;
}

zel::Container& frmMain::ContainerNamed(std::wstring_view name) {
  if (name == picMain.Name()) return picMain;
  if (name == fmMain.Name()) return fmMain(0);
  if (name == Picture1.Name()) return Picture1(0);
  return *this;
}

void frmMain::CreateControls() {
  // Each control at its row of the design, inside the container the row names.
  auto place = [this](auto& control, const auto&... extra) {
    const DesignRow& row = Row(control.Name());
    Make(control, ContainerNamed(row.container), row, row.place, extra...);
  };
  const std::wstring stream_server(zel::kStreamServer);
  place(picMain);
  place(TreeView1);
  place(Image2);
  place(Image1);
  place(wmp1, zel::kPlayerSettings, stream_server + L"/tv/tv.asx");
  place(WebBrowser1);
  place(Label1);
  place(spBorder);
  place(fmMain.Load(0));
  place(Picture1.Load(0));
  const DesignRow& option_row = Row(optStyle.Name());
  for (int16_t i = 0; i < static_cast<int16_t>(std::size(kStyleOptions)); ++i) {
    zel::OptionButton& option = optStyle.Load(i);
    option.SetCaption(kStyleOptions[i].caption);
    if (i == kLeaf) option.SetForeColor(kLeafText);
    zel::Bounds place = option_row.place;
    place.top = kStyleOptions[i].top;
    place.width = kStyleOptions[i].width;
    Make(option, ContainerNamed(option_row.container), option_row, place);
  }
  place(Scriptlet1, stream_server + L"/ip.htm", /*scroll_bars=*/false);
  for (int16_t i = 0; i < kResourceCount; ++i) place(picResource.Load(i));

  TreeView1.NodeClick = [this](const zel::TreeNode& node) { TreeView1_NodeClick(node); };
  Image2.Click = [this] { Image2_Click(); };
  Image1.Click = [this] { Image1_Click(); };
  Label1.Click = [this] { Label1_Click(); };
  optStyle.Click = [this](int16_t index) { optStyle_Click(index); };

  // The bar lies over the edges of the tree and the player, the narrowing arrow
  // on top while the window is wide; the site link over the player.
  Image1.ZOrder();
  Image2.ZOrder();
  Label1.ZOrder();
}
