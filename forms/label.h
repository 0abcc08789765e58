// Label: a caption in a font and a text colour, on its background colour or
// transparent over its container; raises Click.
#pragma once

#include "forms/painted_control.h"

namespace zel {

enum class BackStyle { kTransparent, kOpaque };

class Label : public ClickableControl {
 public:
  explicit Label(std::wstring name, std::optional<int16_t> index = std::nullopt);

  bool Create(Container& parent, const Bounds& design);

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption);
  void SetBackStyle(BackStyle style);

  std::optional<OleColor> ForeColor() const override { return fore_color_; }
  Outcome SetForeColor(OleColor color) override;
  std::optional<OleColor> BackColor() const override { return back_color_; }
  Outcome SetBackColor(OleColor color) override;

 private:
  void Paint(HDC dc) override;

  std::wstring caption_;
  OleColor fore_color_ = kButtonText;
  OleColor back_color_ = kButtonFace;
  BackStyle back_style_ = BackStyle::kOpaque;
};

}  // namespace zel
