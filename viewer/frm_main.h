// The viewer's main window: the tree, the bar, the player, the browser, the
// style chooser, the site link and the scriptlet inside one full-size picture box.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string_view>

#include "forms/controls.h"
#include "hosting/media_player.h"
#include "hosting/scriptlet.h"
#include "hosting/web_browser.h"
#include "skin/neo_class.h"
#include "viewer/process_launcher.h"
#include "viewer/single_instance.h"

class frmMain : public zel::Form {
 public:
  frmMain();
  ~frmMain();

  // Creates the window, hidden and centred on the screen, with every control.
  bool Create();

  // Controls. The containers come first so that they outlive the controls
  // placed inside them; the window's control order is the order of creation.
  zel::PictureBox picMain{L"picMain"};
  zel::Image Image2{L"Image2"};
  zel::Image Image1{L"Image1"};
  zel::Label Label1{L"Label1"};
  zel::Shape spBorder{L"spBorder"};
  zel::ControlArray<zel::Frame> fmMain{L"fmMain"};
  zel::ControlArray<zel::PictureBox> Picture1{L"Picture1"};
  zel::ControlArray<zel::OptionButton> optStyle{L"optStyle"};
  zel::ControlArray<zel::PictureBox> picResource{L"picResource"};

  zel::TreeView TreeView1{L"TreeView1"};
  // Hosted controls keep an empty place when they could not be created. The
  // browser's Refresh reloads its page.
  zel::MediaPlayer wmp1{L"wmp1"};
  zel::WebBrowser WebBrowser1{L"WebBrowser1"};
  zel::Scriptlet Scriptlet1{L"Scriptlet1"};

  // Event handlers.
  void Form_Load();
  void Form_Resize();
  void Form_Unload() {}
  void TreeView1_NodeClick(const zel::TreeNode& Node);
  void Image1_Click();
  void Image2_Click();
  void Label1_Click();
  void optStyle_Click(int16_t Index);

  void Set_Skin(int16_t style);
  // The frame object of the current style (one at a time).
  const cNeoClass* Skin() const { return m_Skin.get(); }
  // The scale of the pictures shown (100, 125, 150 or 200): the form's resolution's set.
  int PictureScale() const { return m_PictureScale; }

  // Where the site link starts its command; the shell by default.
  void SetProcessLauncher(zel::ProcessLauncher* launcher) { launcher_ = launcher; }

 protected:
  void OnResize() override { Form_Resize(); }
  void OnUnload() override { Form_Unload(); }
  void OnDpiChanged() override;

 private:
  void CreateControls();
  // The container a row of the design names: picMain, fmMain(0), Picture1(0) or the window.
  zel::Container& ContainerNamed(std::wstring_view name);
  void LoadPictures();
  void LoadSkinPictures();
  void SkinStart();

  int m_PictureScale = 100;
  int16_t m_Style = -1;  // the style applied last; none yet
  zel::UniqueIcon icon_;
  zel::UniqueIcon small_icon_;
  zel::ShellLauncher shell_launcher_;
  zel::ProcessLauncher* launcher_ = &shell_launcher_;
  std::unique_ptr<zel::SingleInstance> m_Instance;
  // Declared after the controls: released, and so detached, before the window goes.
  NeoClassPtr m_Skin;
};
