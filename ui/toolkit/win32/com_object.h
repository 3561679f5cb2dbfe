// What the backend's COM objects share: IUnknown by its number, so that no import library has
// to provide it, and the reference count of an object made with new.
#pragma once

#include "ui/toolkit/win32/native.h"

namespace gapwise::win32 {

inline constexpr GUID kIUnknown = {0x00000000, 0x0000, 0x0000, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};

// An object of the interface that starts with one reference and deletes itself (as TObject,
// whose destructor is private to it and to this class) with its last.
template <class TObject, class TInterface>
class TComObject : public TInterface {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG refs = --refs_;
    if (refs == 0) delete static_cast<TObject*>(this);
    return refs;
  }

 protected:
  // The answer to QueryInterface for an interface that the object is: itself, with a reference.
  HRESULT Share(void** out) {
    *out = static_cast<TInterface*>(this);
    AddRef();
    return S_OK;
  }

 private:
  ULONG refs_ = 1;
};

}  // namespace gapwise::win32
