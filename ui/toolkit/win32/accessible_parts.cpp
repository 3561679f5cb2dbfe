#include "ui/toolkit/win32/accessible_parts.h"

#include <vector>

#include "ui/toolkit/win32/com_object.h"

namespace gapwise::win32 {
namespace {

std::vector<TWindow*> PartsOf(HWND hwnd) {
  const TWindow* window = TWindow::From(hwnd);
  return window != nullptr ? window->ReaderParts() : std::vector<TWindow*>{};
}

VARIANT Id(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

// A list of children, as IEnumVARIANT hands them out.
class TChildren final : public TComObject<TChildren, IEnumVARIANT> {
 public:
  explicit TChildren(std::vector<VARIANT> items) : items_(std::move(items)) {}
  TChildren(const TChildren&) = delete;
  TChildren& operator=(const TChildren&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (IsEqualGUID(riid, kIUnknown) || IsEqualGUID(riid, kIEnumVARIANT)) return Share(out);
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* out, ULONG* fetched) override {
    if (out == nullptr) return E_POINTER;
    ULONG given = 0;
    for (; given < count && next_ < items_.size(); ++given, ++next_) {
      VariantInit(&out[given]);
      VariantCopy(&out[given], &items_[next_]);
    }
    if (fetched != nullptr) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    next_ += count;
    if (next_ <= items_.size()) return S_OK;
    next_ = items_.size();
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override {
    if (out == nullptr) return E_POINTER;
    std::vector<VARIANT> copy(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i) {
      VariantInit(&copy[i]);
      VariantCopy(&copy[i], &items_[i]);
    }
    auto* clone = new TChildren(std::move(copy));
    clone->next_ = next_;
    *out = clone;
    return S_OK;
  }

 private:
  friend class TComObject<TChildren, IEnumVARIANT>;
  ~TChildren() {
    for (VARIANT& item : items_) VariantClear(&item);
  }

  std::vector<VARIANT> items_;
  std::size_t next_ = 0;
};

// The children that the system's object offers, by its own list or else by their numbers.
std::vector<VARIANT> SystemChildren(IAccessible* inner) {
  std::vector<VARIANT> items;
  IEnumVARIANT* list = nullptr;
  if (SUCCEEDED(inner->QueryInterface(kIEnumVARIANT, reinterpret_cast<void**>(&list))) &&
      list != nullptr) {
    list->Reset();
    VARIANT item;
    ULONG fetched = 0;
    while (list->Next(1, &item, &fetched) == S_OK && fetched == 1) items.push_back(item);
    list->Release();
    return items;
  }
  long count = 0;
  if (SUCCEEDED(inner->get_accChildCount(&count))) {
    for (long i = 1; i <= count; ++i) items.push_back(Id(i));
  }
  return items;
}

}  // namespace

TWindow* PartOf(HWND hwnd, const VARIANT& child) {
  if (child.vt != VT_I4 || child.lVal < TWindow::kFirstPart) return nullptr;
  const TWindow* window = TWindow::From(hwnd);
  return window != nullptr ? window->Part(child.lVal) : nullptr;
}

HRESULT ReadPartState(const TWindow& part, VARIANT* out) {
  if (out == nullptr) return E_POINTER;
  *out = Id(STATE_SYSTEM_READONLY | (part.Shown() ? 0 : STATE_SYSTEM_INVISIBLE));
  return S_OK;
}

HRESULT LocatePart(const TWindow& part, long* left, long* top, long* width, long* height) {
  if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
  RECT place = part.PlaceInHost();
  MapWindowPoints(part.Host()->Handle(), nullptr, reinterpret_cast<POINT*>(&place), 2);
  *left = place.left;
  *top = place.top;
  *width = place.right - place.left;
  *height = place.bottom - place.top;
  return S_OK;
}

HRESULT NavigateParts(HWND hwnd, long direction, const TWindow* part, VARIANT* end) {
  if (end == nullptr) return E_POINTER;
  VariantInit(end);
  const std::vector<TWindow*> parts = PartsOf(hwnd);
  long at = -1;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (parts[i] == part) at = static_cast<long>(i);
  }
  long to = -1;
  if (direction == NAVDIR_FIRSTCHILD) to = 0;
  if (direction == NAVDIR_LASTCHILD) to = static_cast<long>(parts.size()) - 1;
  if (at >= 0 && (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN)) to = at + 1;
  if (at >= 0 && (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP)) to = at - 1;
  if (to < 0 || to >= static_cast<long>(parts.size())) return S_FALSE;
  *end = Id(TWindow::kFirstPart + to);
  return S_OK;
}

HRESULT HitPart(HWND hwnd, long x, long y, VARIANT* out) {
  if (out == nullptr) return E_POINTER;
  POINT point{x, y};
  ScreenToClient(hwnd, &point);
  const std::vector<TWindow*> parts = PartsOf(hwnd);
  for (std::size_t i = parts.size(); i-- > 0;) {  // the later over the earlier
    const RECT place = parts[i]->PlaceInHost();
    if (parts[i]->Shown() && PtInRect(&place, point)) {
      *out = Id(TWindow::kFirstPart + static_cast<long>(i));
      return S_OK;
    }
  }
  return S_FALSE;
}

HRESULT EnumerateChildren(HWND hwnd, IAccessible* inner, void** out) {
  std::vector<VARIANT> items = SystemChildren(inner);
  const std::size_t parts = PartsOf(hwnd).size();
  for (std::size_t i = 0; i < parts; ++i) {
    items.push_back(Id(TWindow::kFirstPart + static_cast<long>(i)));
  }
  *out = static_cast<IEnumVARIANT*>(new TChildren(std::move(items)));
  return S_OK;
}

}  // namespace gapwise::win32
