// A control array: elements of one kind sharing a name and the Click handler,
// told apart by a 16-bit index.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace zel {

template <class T>
class ControlArray {
 public:
  explicit ControlArray(std::wstring name) : name_(std::move(name)) {}
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;

  // Makes element `index` (its window comes with its Create); an existing
  // element is returned as it is.
  T& Load(int16_t index) {
    auto& slot = elements_[index];
    if (!slot) {
      slot = std::make_unique<T>(name_, index);
      if constexpr (requires { slot->Click; }) {
        slot->Click = [this, index] {
          const std::function<void(int16_t)> handler = Click;
          if (handler) handler(index);
        };
      }
    }
    return *slot;
  }

  // The element must exist.
  T& operator()(int16_t index) const { return *elements_.at(index); }
  // Null when there is no such element.
  T* Item(int16_t index) const {
    auto it = elements_.find(index);
    return it == elements_.end() ? nullptr : it->second.get();
  }
  size_t Count() const { return elements_.size(); }
  const std::wstring& Name() const { return name_; }

  std::function<void(int16_t index)> Click;

 private:
  std::wstring name_;
  std::map<int16_t, std::unique_ptr<T>> elements_;
};

}  // namespace zel
