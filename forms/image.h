// Image: a picture at its natural size, transparent around it; raises Click.
#pragma once

#include "forms/painted_control.h"
#include "graphics/picture.h"

namespace zel {

class Image : public ClickableControl {
 public:
  explicit Image(std::wstring name, std::optional<int16_t> index = std::nullopt);

  bool Create(Container& parent, const Bounds& design);

  const zel::Picture& Picture() const { return picture_; }
  void SetPicture(zel::Picture picture);

 private:
  void Paint(HDC dc) override;

  zel::Picture picture_;
};

}  // namespace zel
