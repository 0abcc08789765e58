// The main window as designed: every control with its container, place in
// twips, captions, fonts, colours and tags, in the window's control order.
#include <string>

#include "viewer/frm_main.h"
#include "viewer/player_settings.h"
#include "viewer/zel_config.h"

namespace {

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
constexpr int16_t kResourceCount = 14;

const zel::FontDescription kSansSerif{L"MS Sans Serif", 8.25f};
constexpr zel::OleColor kWindowBackground = 0x80000005;
constexpr zel::OleColor kWindowText = 0x80000008;
constexpr zel::OleColor kWhite = 0x00FFFFFF;

// Pixel rectangle of a hosted control, relative to its container.
struct PixelPlace {
  int x, y, cx, cy;
};
PixelPlace ToPixels(const zel::Bounds& b) {
  return {zel::TwipsToPixels(b.left), zel::TwipsToPixels(b.top), zel::TwipsToPixels(b.width),
          zel::TwipsToPixels(b.height)};
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
  LoadPictures();
  CreateControls();
  LoadSkinPictures();
  ControlsCreated();
  return true;
}

void frmMain::CreateControls() {
  picMain.SetBackColor(kWindowBackground);
  picMain.SetForeColor(kWindowText);
  picMain.SetTag(L"xb");
  picMain.SetFont(kSansSerif);
  picMain.Create(*this, {0, 0, 12405, 10425});

  const zel::Bounds tree{0, 0, 2295, 5415};
  const PixelPlace t = ToPixels(tree);
  const bool tree_made = TreeView1.Create(picMain.hwnd(), t.x, t.y, t.cx, t.cy);
  hostTreeView1.Adopt(picMain, tree_made ? TreeView1.hwnd() : nullptr, tree);
  hostTreeView1.SetFont({L"Tahoma", 9.0f});
  TreeView1.NodeClick = [this](const zel::TreeNode& node) { TreeView1_NodeClick(node); };

  Image2.Create(picMain, {2280, -480, 150, 6015});
  Image2.Click = [this] { Image2_Click(); };
  Image1.Create(picMain, {2280, -480, 135, 6045});
  Image1.Click = [this] { Image1_Click(); };

  const zel::Bounds player{2400, 0, 5895, 5415};
  const PixelPlace p = ToPixels(player);
  const bool player_made = wmp1.Create(picMain.hwnd(), p.x, p.y, p.cx, p.cy, zel::kPlayerSettings,
                                       std::wstring(zel::kStreamServer) + L"/tv/tv.asx");
  hostwmp1.Adopt(picMain, player_made ? wmp1.hwnd() : nullptr, player);

  const zel::Bounds browser{8280, -120, 2895, 6615};
  const PixelPlace b = ToPixels(browser);
  const bool browser_made = WebBrowser1.Create(picMain.hwnd(), b.x, b.y, b.cx, b.cy);
  hostWebBrowser1.Adopt(picMain, browser_made ? WebBrowser1.hwnd() : nullptr, browser);
  hostWebBrowser1.SetRefreshAction([this] { return WebBrowser1.Refresh(); });

  Label1.SetCaption(L"官方网");
  Label1.SetForeColor(0x0000C000);
  Label1.SetFont({L"黑体", 8.25f, GB2312_CHARSET});
  Label1.Create(picMain, {7560, 5040, 615, 255});
  Label1.Click = [this] { Label1_Click(); };

  // Form_Resize fits the border to picMain.
  spBorder.SetTag(L"xb");
  spBorder.Create(picMain, {2, 2, 12401, 10421});

  zel::Frame& frame = fmMain.Load(0);
  frame.SetCaption(L"窗口皮肤");
  frame.SetBackColor(kWhite);
  frame.SetTag(L"xb");
  frame.Create(picMain, {6000, 9120, 2145, 2355});

  zel::PictureBox& options = Picture1.Load(0);
  options.SetBackColor(kWhite);
  options.SetTag(L"xb");
  options.Create(frame, {90, 240, 1995, 1995});

  for (int16_t i = 0; i < static_cast<int16_t>(std::size(kStyleOptions)); ++i) {
    zel::OptionButton& option = optStyle.Load(i);
    option.SetCaption(kStyleOptions[i].caption);
    option.SetBackColor(kWhite);
    if (i == 1) option.SetForeColor(0x00404040);  // "Leaf" alone
    option.SetTag(L"xb");
    option.SetFont(kSansSerif);
    option.Create(options, {90, kStyleOptions[i].top, kStyleOptions[i].width, 225});
  }
  optStyle.Click = [this](int16_t index) { optStyle_Click(index); };

  const zel::Bounds scriptlet{2640, 6240, 1335, 375};
  const PixelPlace s = ToPixels(scriptlet);
  const bool scriptlet_made = Scriptlet1.Create(picMain.hwnd(), s.x, s.y, s.cx, s.cy,
                                                std::wstring(zel::kStreamServer) + L"/ip.htm",
                                                /*scroll_bars=*/false);
  hostScriptlet1.Adopt(picMain, scriptlet_made ? Scriptlet1.hwnd() : nullptr, scriptlet);

  // Image holders for the styles: never shown.
  for (int16_t i = 0; i < kResourceCount; ++i) {
    zel::PictureBox& holder = picResource.Load(i);
    holder.SetVisible(false);
    holder.Create(*this, {0, 0, 0, 0});
  }

  // The bar lies over the edges of the tree and the player, the narrowing arrow
  // on top while the window is wide; the site link over the player.
  Image1.ZOrder();
  Image2.ZOrder();
  Label1.ZOrder();
}
