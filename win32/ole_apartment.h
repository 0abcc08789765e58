// The OLE single-threaded apartment of the user-interface thread, for the life
// of the scope: the hosted ActiveX controls live in it.
#pragma once

#include <windows.h>
#include <ole2.h>

namespace zel {

class OleApartment {
 public:
  OleApartment() : initialized_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleApartment() {
    if (initialized_) OleUninitialize();
  }
  OleApartment(const OleApartment&) = delete;
  OleApartment& operator=(const OleApartment&) = delete;

 private:
  bool initialized_;
};

}  // namespace zel
