#include "forms/shape.h"

namespace zel {

Shape::Shape(std::wstring name, std::optional<int16_t> index) : Control(std::move(name), index) {}

void Shape::Create(Container& parent, const Bounds& design) {
  Attach(parent, design);
  ApplyBounds();
}

Outcome Shape::SetBorderWidth(int pixels) {
  if (pixels < 0) return Outcome::kRejected;
  border_width_ = pixels;
  Invalidate();
  return Outcome::kDone;
}

void Shape::SetBorderColor(OleColor color) {
  border_color_ = color;
  Invalidate();
}

Outcome Shape::SetBackColor(OleColor color) {
  back_color_ = color;
  Invalidate();
  return Outcome::kDone;
}

void Shape::SetBackStyle(bool opaque) {
  opaque_ = opaque;
  Invalidate();
}

void Shape::PaintWindowless(HDC dc) {
  const RECT r = PixelRect();
  if (opaque_) {
    UniqueBrush fill = CreateColorBrush(back_color_);
    FillRect(dc, &r, fill.get());
  }
  if (border_width_ <= 0) return;
  UniquePen pen(CreatePen(PS_INSIDEFRAME, border_width_, ResolveColor(border_color_)));
  ScopedSelect select_pen(dc, pen.get());
  ScopedSelect select_brush(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

}  // namespace zel
