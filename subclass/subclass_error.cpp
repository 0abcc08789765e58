#include "subclass/g_subclass.h"

#include <utility>

namespace {

std::string WhatText(int32_t number, const std::string& description) {
  return description.empty() ? "error " + std::to_string(number) : description;
}

}  // namespace

SubclassError::SubclassError(int32_t number, std::string source, std::string description)
    : what_(WhatText(number, description)),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}
