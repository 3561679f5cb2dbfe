// A form's spoken notices: UI Automation notifications where the system has them, raised on an
// element of the announcer's window, otherwise WinEvents of its MSAA object.
#include <objbase.h>
#include <uiautomationcore.h>

#include "ui/toolkit/win32/accessibility.h"
#include "ui/toolkit/win32/com_object.h"

namespace gapwise::win32 {
namespace {

// The interface by its number, so that no import library has to provide it.
constexpr GUID kIRawElementProviderSimple = {
    0xd6dd68d1, 0x86fd, 0x4332, {0x86, 0x66, 0x9a, 0xbe, 0xde, 0xa2, 0xd2, 0x4c}};

// UI Automation, as far as this program uses it.
constexpr PROPERTYID kNameProperty = 30005;
constexpr PROPERTYID kControlTypeProperty = 30003;
constexpr PROPERTYID kLiveSettingProperty = 30135;
constexpr long kTextControlType = 50020;
constexpr long kAssertive = 2;
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingImportantAll = 0;
constexpr HRESULT kElementNotAvailable = static_cast<HRESULT>(0x80040201);

using TRaiseNotification = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using THostProvider = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);

// UiaRaiseNotificationEvent came with Windows 10 1709: looked up at run time, so that the program
// still starts where uiautomationcore.dll or the function is missing.
struct TUia {
  TRaiseNotification raise = nullptr;
  THostProvider host = nullptr;
};

const TUia& Uia() {
  static const TUia uia = [] {
    TUia found;
    if (const HMODULE module = LoadSystemLibrary(L"uiautomationcore.dll")) {
      found.raise = reinterpret_cast<TRaiseNotification>(
          reinterpret_cast<void*>(GetProcAddress(module, "UiaRaiseNotificationEvent")));
      found.host = reinterpret_cast<THostProvider>(
          reinterpret_cast<void*>(GetProcAddress(module, "UiaHostProviderFromHwnd")));
    }
    return found;
  }();
  return uia;
}

}  // namespace

// The announcer's UI Automation element, on which notifications are raised: a text element,
// assertive, named by the last notice, hosted by the announcer's window.
struct TAnnouncer::TProvider final
    : public TComObject<TAnnouncer::TProvider, IRawElementProviderSimple> {
  explicit TProvider(TAnnouncer& owner) : owner_(&owner) {}
  void Disconnect() { owner_ = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (IsEqualGUID(riid, kIUnknown) || IsEqualGUID(riid, kIRawElementProviderSimple)) {
      return Share(out);
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override {
    if (options == nullptr) return E_POINTER;
    *options = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider |
                                            ProviderOptions_UseComThreading);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID /*pattern*/, IUnknown** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* out) override {
    if (out == nullptr) return E_POINTER;
    VariantInit(out);
    if (owner_ == nullptr) return kElementNotAvailable;
    if (property == kNameProperty) {
      out->vt = VT_BSTR;
      out->bstrVal = SysAllocString(owner_->LastText().c_str());  // no C++ allocation: no throw
    } else if (property == kControlTypeProperty) {
      out->vt = VT_I4;
      out->lVal = kTextControlType;
    } else if (property == kLiveSettingProperty) {
      out->vt = VT_I4;
      out->lVal = kAssertive;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (owner_ == nullptr) return kElementNotAvailable;
    return Uia().host(owner_->Handle(), out);
  }

 private:
  friend class TComObject<TProvider, IRawElementProviderSimple>;
  ~TProvider() = default;
  TAnnouncer* owner_;
};

TAnnouncer::TAnnouncer(TWindow& form) : TWindow(TKind::Announcer, &form) {
  CreateOwn(kControlClass, WS_CHILD | WS_VISIBLE, 0, form.Handle());
}

TAnnouncer::~TAnnouncer() {
  if (provider_ != nullptr) {
    provider_->Disconnect();
    provider_->Release();
  }
}

void TAnnouncer::Announce(const std::string& text) {
  SetLastText(text);
  if (!RaiseNotification()) NotifyWinEvents();
}

void TAnnouncer::AnnounceByWinEvents(const std::string& text) {
  SetLastText(text);
  NotifyWinEvents();
}

void TAnnouncer::SetLastText(const std::string& text) {
  text_ = Wide(text);
  SetWindowTextW(Handle(), text_.c_str());
}

bool TAnnouncer::RaiseNotification() {
  if (!UiaNotificationsAvailable()) return false;
  EnterApartment();
  if (provider_ == nullptr) provider_ = new TProvider(*this);
  const BSTR display = SysAllocString(text_.c_str());
  const BSTR activity = SysAllocString(L"Gapwise.Announcement");
  const HRESULT raised = Uia().raise(provider_, kNotificationKindOther,
                                     kNotificationProcessingImportantAll, display, activity);
  SysFreeString(display);
  SysFreeString(activity);
  return SUCCEEDED(raised);
}

void TAnnouncer::NotifyWinEvents() {
  NotifyReader(EVENT_OBJECT_NAMECHANGE);
  NotifyWinEvent(EVENT_SYSTEM_ALERT, Handle(), OBJID_CLIENT, CHILDID_SELF);
}

bool UiaNotificationsAvailable() {
  return Uia().raise != nullptr && Uia().host != nullptr;
}

}  // namespace gapwise::win32
