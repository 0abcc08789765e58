// Shape: a rectangle outline without a window, drawn by its container.
// It has a border and a fill colour but no text colour.
#pragma once

#include "forms/control.h"

namespace zel {

class Shape : public Control {
 public:
  explicit Shape(std::wstring name, std::optional<int16_t> index = std::nullopt);

  void Create(Container& parent, const Bounds& design);

  int BorderWidth() const { return border_width_; }
  Outcome SetBorderWidth(int pixels);  // 0 draws no outline; negative is rejected
  OleColor BorderColor() const { return border_color_; }
  void SetBorderColor(OleColor color);
  // The fill is drawn only with an opaque back style.
  std::optional<OleColor> BackColor() const override { return back_color_; }
  Outcome SetBackColor(OleColor color) override;
  void SetBackStyle(bool opaque);

 protected:
  void PaintWindowless(HDC dc) override;

 private:
  int border_width_ = 1;
  OleColor border_color_ = kWindowText;
  OleColor back_color_ = kWindowBackground;
  bool opaque_ = false;
};

}  // namespace zel
