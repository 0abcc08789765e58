// The window's looks: the style chooser, the presets it applies, the skin start.
#include "graphics/image_decoder.h"
#include "viewer/frm_main.h"
#include "viewer/picture_scale.h"
#include "viewer/style_presets.h"
#include "viewer/skin_resource_ids.h"
#include "win32/window_target.h"

void frmMain::LoadSkinPictures() {
  // JPEG and GIF pictures, decoded by the system's image codecs when a style first
  // reads them: the start shows one style of seven.
  const HMODULE module = zel::ThisModule();
  const int set = zel::PictureSetIndex(m_PictureScale);
  for (int16_t i = 0; i < static_cast<int16_t>(picResource.Count()); ++i) {
    const int id = SkinPictureId(set, i);
    picResource(i).SetPictureSource([module, id] { return zel::LoadPictureResource(module, id); });
  }
}

namespace {

// A frame object, or none when the engine gets no memory for its code: like any
// failing statement of the skin, that leaves the window with its standard frame.
NeoClassPtr New_Skin() {
  try {
    return NeoClassPtr(new cNeoClass);
  } catch (...) {
    return nullptr;
  }
}

}  // namespace

void frmMain::SkinStart() {
  m_Skin = New_Skin();
  // As a user's click would: its handler applies the style.
  optStyle(0).SetValue(true);
}

void frmMain::optStyle_Click(int16_t Index) {
  if (std::optional<int16_t> style = zel::StyleForOption(Index)) Set_Skin(*style);
}

// An unknown style number changes nothing: the window keeps its frame and colours.
void frmMain::Set_Skin(int16_t style) {
  const zel::StylePreset* preset = zel::FindStylePreset(style);
  if (!preset) return;
  m_Style = style;

  // The old frame object detaches as it goes, so two never draw the window. It
  // stays in memory while a handler of its own still runs (a click dispatched
  // from its drag loop or a menu loop).
  m_Skin.reset();
  m_Skin = New_Skin();
  if (m_Skin) {
    cNeoClass& skin = *m_Skin;
    skin.p_Caption(picResource(static_cast<int16_t>(preset->CaptionIndex())).Picture());
    skin.p_Borders(picResource(static_cast<int16_t>(preset->BordersIndex())).Picture());
    skin.p_Description(zel::ScaledFrame(preset->frame, m_PictureScale));
    // Every property is in place before the object starts drawing.
    skin.Attach(*this);
  }

  // Colours: each statement stands alone; a property a control lacks is skipped.
  if (preset->SetsBorder) {
    spBorder.SetBorderWidth(preset->BorderWidth);
    spBorder.SetBorderColor(preset->BorderColor);
  }
  for (zel::Control* control : Controls()) {
    if (control->Tag() == zel::kStyledTag) {
      control->SetColorProperty(L"ForeColor", preset->ForeColor);
      control->SetColorProperty(L"BackColor", preset->BackColor);
    } else if (control->Tag() == zel::kAltStyledTag) {
      control->SetColorProperty(L"ForeColor", preset->ForeColor);
      control->SetColorProperty(L"BackColor", preset->AltBackColor);
    }
  }
}
