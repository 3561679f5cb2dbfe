// What a screen reader reads of the backend's windows: the system's objects for their client
// areas, wrapped where the window gives a name, a description, a value, a role or a reading of
// its own; and the COM apartment that they live in.
#include "ui/toolkit/win32/accessibility.h"

#include <objbase.h>
#include <oleacc.h>

#include "ui/toolkit/win32/accessible_parts.h"
#include "ui/toolkit/win32/com_object.h"

namespace gapwise::win32 {
namespace {

// The interfaces by their numbers, so that no import library has to provide them.
constexpr GUID kIDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kIAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// Runs the body of a COM method: nothing throws through the interface.
template <class TBody>
HRESULT Safely(TBody body) {
  try {
    return body();
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

HRESULT Give(const std::wstring& text, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = text.empty() ? nullptr : SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return text.empty() ? S_FALSE : S_OK;
}

long RoleOf(TRole role) {
  switch (role) {
    case TRole::StaticText:
      return ROLE_SYSTEM_STATICTEXT;
    case TRole::Text:
      return ROLE_SYSTEM_TEXT;
    case TRole::Grouping:
      return ROLE_SYSTEM_GROUPING;
    case TRole::Alert:
      return ROLE_SYSTEM_ALERT;
    case TRole::System:
      break;
  }
  return 0;
}

// The system's object for a window's client area, with what the window itself says about its
// name, description, value, role and state; a window read as one text offers no children, and
// the controls that a window draws are parts of it.
class TAccessible final : public TComObject<TAccessible, IAccessible> {
 public:
  TAccessible(HWND hwnd, IAccessible* inner) : hwnd_(hwnd), inner_(inner) {}
  TAccessible(const TAccessible&) = delete;
  TAccessible& operator=(const TAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (IsEqualGUID(riid, kIUnknown) || IsEqualGUID(riid, kIDispatch) ||
        IsEqualGUID(riid, kIAccessible)) {
      return Share(out);
    }
    if (IsEqualGUID(riid, kIEnumVARIANT) && !Hides() && HasParts()) {
      return Safely([&] { return EnumerateChildren(hwnd_, inner_, out); });
    }
    return inner_->QueryInterface(riid, out);  // IOleWindow, IEnumVARIANT, IServiceProvider...
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return inner_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override {
    return inner_->GetTypeInfo(index, lcid, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override {
    return inner_->GetIDsOfNames(riid, names, count, lcid, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argError) override {
    return inner_->Invoke(id, riid, lcid, flags, params, result, exception, argError);
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return inner_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    if (Hides()) return S_OK;
    const HRESULT result = inner_->get_accChildCount(count);
    if (SUCCEEDED(result)) *count += static_cast<long>(Parts().size());
    return result;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!Hides() && PartOf(hwnd_, child) == nullptr) return inner_->get_accChild(child, out);
    if (out != nullptr) *out = nullptr;
    return Hides() ? E_INVALIDARG : S_FALSE;  // a part is a simple element
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
    return Safely([&] {
      if (TWindow* part = PartOf(hwnd_, child)) return Give(part->ReadName(), out);
      if (TWindow* window = Self(child)) {
        const std::wstring name = window->ReadName();
        if (!name.empty() || window->OwnClass()) return Give(name, out);
      }
      return inner_->get_accName(child, out);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
    return Safely([&] {
      if (PartOf(hwnd_, child) != nullptr) return Give({}, out);
      TWindow* window = Self(child);
      if (window != nullptr && window->ReadRole() == TRole::Text) {
        return Give(window->ReadValue(), out);
      }
      return inner_->get_accValue(child, out);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    return Safely([&] {
      if (TWindow* part = PartOf(hwnd_, child)) return Give(part->ReadDescription(), out);
      if (TWindow* window = Self(child)) {
        const std::wstring description = window->ReadDescription();
        if (!description.empty()) return Give(description, out);
      }
      return inner_->get_accDescription(child, out);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
    TWindow* window = Self(child);
    if (window == nullptr) window = PartOf(hwnd_, child);
    const long role = window != nullptr ? RoleOf(window->ReadRole()) : 0;
    if (role == 0) return inner_->get_accRole(child, out);
    if (out == nullptr) return E_POINTER;
    out->vt = VT_I4;
    out->lVal = role;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
    if (TWindow* part = PartOf(hwnd_, child)) return ReadPartState(*part, out);
    const HRESULT result = inner_->get_accState(child, out);
    TWindow* window = Self(child);
    if (SUCCEEDED(result) && window != nullptr && out != nullptr && out->vt == VT_I4) {
      if (window->HiddenFromReader()) out->lVal |= STATE_SYSTEM_INVISIBLE;
      if (window->ReadRole() == TRole::Text) out->lVal |= STATE_SYSTEM_READONLY;
    }
    return result;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
    return inner_->get_accHelp(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return inner_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
    return inner_->get_accKeyboardShortcut(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
    return inner_->get_accFocus(out);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
    return inner_->get_accSelection(out);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
    return inner_->get_accDefaultAction(child, out);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return inner_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    if (TWindow* part = PartOf(hwnd_, child)) return LocatePart(*part, left, top, width, height);
    return inner_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    const bool inward = direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD;
    if (Hides() && inward) {
      if (end != nullptr) end->vt = VT_EMPTY;
      return S_FALSE;
    }
    const TWindow* part = PartOf(hwnd_, start);
    if (part != nullptr) return NavigateParts(hwnd_, direction, part, end);
    const HRESULT result = inner_->accNavigate(direction, start, end);
    // The parts come after the child windows.
    if (inward && HasParts() && (direction == NAVDIR_LASTCHILD || result != S_OK)) {
      if (result == S_OK && end != nullptr) VariantClear(end);
      return NavigateParts(hwnd_, direction, nullptr, end);
    }
    return result;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
    if (!Hides() && HitPart(hwnd_, x, y, out) == S_OK) return S_OK;
    if (!Hides()) return inner_->accHitTest(x, y, out);
    if (out == nullptr) return E_POINTER;
    RECT area;
    GetWindowRect(hwnd_, &area);
    const POINT point{x, y};
    if (!PtInRect(&area, point)) {
      out->vt = VT_EMPTY;
      return S_FALSE;
    }
    out->vt = VT_I4;
    out->lVal = CHILDID_SELF;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return inner_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return inner_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return inner_->put_accValue(child, value);
  }

 private:
  friend class TComObject<TAccessible, IAccessible>;
  ~TAccessible() { inner_->Release(); }

  // The window, when the question is about the object itself (not a child) and it still exists.
  TWindow* Self(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return nullptr;
    return TWindow::From(hwnd_);
  }
  bool Hides() const {
    const TWindow* window = TWindow::From(hwnd_);
    return window != nullptr && window->HidesChildren();
  }
  std::vector<TWindow*> Parts() const {
    const TWindow* window = TWindow::From(hwnd_);
    return window != nullptr ? window->ReaderParts() : std::vector<TWindow*>{};
  }
  bool HasParts() const { return !Parts().empty(); }

  HWND hwnd_;
  IAccessible* inner_;
};

}  // namespace

LRESULT AccessibleObject(TWindow& window, WPARAM wParam, LPARAM /*lParam*/) {
  EnterApartment();
  IAccessible* inner = nullptr;
  if (FAILED(CreateStdAccessibleObject(window.Handle(), OBJID_CLIENT, kIAccessible,
                                       reinterpret_cast<void**>(&inner))) ||
      inner == nullptr) {
    return 0;
  }
  auto* object = new TAccessible(window.Handle(), inner);
  const LRESULT result = LresultFromObject(kIAccessible, wParam, object);
  object->Release();
  return result > 0 ? result : 0;
}

namespace {
struct TApartment {
  bool tried = false;
  bool entered = false;
};
TApartment& Apartment() {
  static TApartment apartment;
  return apartment;
}
}  // namespace

void EnterApartment() {
  TApartment& apartment = Apartment();
  if (apartment.tried) return;
  apartment.tried = true;
  apartment.entered = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

void StopAccessibility() {
  TApartment& apartment = Apartment();
  if (apartment.entered) CoUninitialize();
  apartment = {};
}

}  // namespace gapwise::win32
