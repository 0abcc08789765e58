// PictureBox: a child window with a background colour and an optional picture,
// which can contain other controls.
#pragma once

#include <functional>

#include "forms/painted_control.h"
#include "graphics/picture.h"

namespace zel {

class PictureBox : public ContainerControl {
 public:
  explicit PictureBox(std::wstring name, std::optional<int16_t> index = std::nullopt);
  ~PictureBox() override;

  bool Create(Container& parent, const Bounds& design);

  std::optional<OleColor> ForeColor() const override { return fore_color_; }
  Outcome SetForeColor(OleColor color) override;
  std::optional<OleColor> BackColor() const override { return back_color_; }
  Outcome SetBackColor(OleColor color) override;

  // The picture; one given as a source is made when first read.
  const zel::Picture& Picture() const;
  void SetPicture(zel::Picture picture);
  // A picture made only when it is first read (or painted): a holder that is
  // never shown does not decode it at start.
  void SetPictureSource(std::function<zel::Picture()> source);

  void PaintSurface(HDC dc) override;

 private:
  OleColor fore_color_ = kButtonText;
  OleColor back_color_ = kButtonFace;
  UniqueBrush back_brush_;
  mutable zel::Picture picture_;
  mutable std::function<zel::Picture()> source_;
};

}  // namespace zel
