// Frame: a group box with a caption and a background colour, containing controls.
#pragma once

#include "forms/painted_control.h"

namespace zel {

class Frame : public ContainerControl {
 public:
  explicit Frame(std::wstring name, std::optional<int16_t> index = std::nullopt);
  ~Frame() override;

  bool Create(Container& parent, const Bounds& design);

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption);

  std::optional<OleColor> ForeColor() const override { return fore_color_; }
  Outcome SetForeColor(OleColor color) override;
  std::optional<OleColor> BackColor() const override { return back_color_; }
  Outcome SetBackColor(OleColor color) override;

  void PaintSurface(HDC dc) override;

 private:
  std::wstring caption_;
  OleColor fore_color_ = kButtonText;
  OleColor back_color_ = kButtonFace;
};

}  // namespace zel
