// OptionButton: a radio button with a caption, colours and a font. Selecting
// one clears the others of its container and raises Click.
#pragma once

#include <functional>

#include "forms/control.h"

namespace zel {

class OptionButton : public Control {
 public:
  explicit OptionButton(std::wstring name, std::optional<int16_t> index = std::nullopt);

  bool Create(Container& parent, const Bounds& design);

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption);

  bool Value() const { return value_; }
  // True selects the button, clears its siblings and raises Click, as a
  // user's click would; a button already selected raises nothing. False only clears it.
  void SetValue(bool value);

  std::optional<OleColor> ForeColor() const override { return fore_color_; }
  Outcome SetForeColor(OleColor color) override;
  std::optional<OleColor> BackColor() const override { return back_color_; }
  Outcome SetBackColor(OleColor color) override;

  std::function<void()> Click;

 protected:
  bool OnReflected(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT* result) override;

 private:
  void Select();
  void ShowCheck();
  void RaiseClick();

  std::wstring caption_;
  bool value_ = false;
  OleColor fore_color_ = kButtonText;
  OleColor back_color_ = kButtonFace;
  UniqueBrush back_brush_;
};

}  // namespace zel
