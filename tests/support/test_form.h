// A bare form, for tests that need a container for controls of the form layer.
#pragma once

#include <functional>

#include "forms/form.h"

namespace zeltest {

class TestForm : public zel::Form {
 public:
  using zel::Form::ControlsCreated;
  using zel::Form::CreateForm;

  bool CreateDefault(float client_width = 6000, float client_height = 4500) {
    zel::FormDesign design;
    design.caption = L"form test";
    design.client_width = client_width;
    design.client_height = client_height;
    design.font = {L"Tahoma", 8.25f};
    return CreateForm(design);
  }

  int resizes = 0;
  int unloads = 0;
  std::function<void()> on_resize;

 protected:
  void OnResize() override {
    ++resizes;
    if (on_resize) on_resize();
  }
  void OnUnload() override { ++unloads; }
};

}  // namespace zeltest
