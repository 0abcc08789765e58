// Image: a picture at its natural size, transparent around it; raises Click.
#pragma once

#include <functional>

#include "platform/form_control.h"
#include "platform/picture.h"

namespace zel {

class Image : public Control {
 public:
  explicit Image(std::wstring name, std::optional<int16_t> index = std::nullopt);

  bool Create(Container& parent, const Bounds& design);

  const zel::Picture& Picture() const { return picture_; }
  void SetPicture(zel::Picture picture);

  std::function<void()> Click;

 protected:
  LRESULT WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

 private:
  void Paint(HDC dc);

  zel::Picture picture_;
  bool pressed_ = false;
};

}  // namespace zel
