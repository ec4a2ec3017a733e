#include "platform/accessible_value.h"

#include <commctrl.h>
#include <oleacc.h>

#include <utility>

#include "platform/system_function.h"
#include "platform/wide_text.h"

namespace zentrova::platform {

namespace {

// What answering a screen reader takes: the accessibility library and COM
// on the user-interface thread (the objects are handed to readers in other
// processes). Loaded when a reader first asks: most people run none, and
// these libraries would be a good part of an idle program's memory and of
// its start.
class AccessibilityLibrary {
public:
    AccessibilityLibrary() {
        const auto initialize = SystemFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
        uninitialize_ = SystemFunction<decltype(&CoUninitialize)>(L"ole32.dll", "CoUninitialize");
        if (!initialize || !uninitialize_ || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED))) return;
        apartment_ = true;
        allocString = SystemFunction<decltype(allocString)>(L"oleaut32.dll", "SysAllocStringLen");
        createStandard = SystemFunction<decltype(createStandard)>(L"oleacc.dll", "CreateStdAccessibleObject");
        resultFromObject = SystemFunction<decltype(resultFromObject)>(L"oleacc.dll", "LresultFromObject");
    }
    AccessibilityLibrary(const AccessibilityLibrary&) = delete;
    AccessibilityLibrary& operator=(const AccessibilityLibrary&) = delete;
    ~AccessibilityLibrary() {
        if (apartment_) uninitialize_();
    }
    bool Usable() const { return allocString && createStandard && resultFromObject; }

    decltype(&SysAllocStringLen) allocString = nullptr;
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) resultFromObject = nullptr;

private:
    decltype(&CoUninitialize) uninitialize_ = nullptr;
    bool apartment_ = false;
};

// The program's one set, made on the user-interface thread (where window
// messages arrive) and ended with the process.
const AccessibilityLibrary& Accessibility() {
    static const AccessibilityLibrary library;
    return library;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT ReturnText(const std::wstring& text, BSTR* out) {
    if (!out) return E_INVALIDARG;
    *out = Accessibility().allocString(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

// What replaces the standard object's answers; a null text keeps its own.
struct SpokenTexts {
    std::shared_ptr<const std::wstring> name;
    std::shared_ptr<const std::wstring> value;
};

// The standard client object with its name or value replaced; every other
// question goes to the standard object.
class SpokenAccessible final : public IAccessible {
public:
    SpokenAccessible(IAccessible* standard, SpokenTexts texts) : standard_(standard), texts_(std::move(texts)) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (IsEqualIID(id, __uuidof(IUnknown)) || IsEqualIID(id, __uuidof(IDispatch)) || IsEqualIID(id, __uuidof(IAccessible))) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // The window and the children come from the standard object.
        if (IsEqualIID(id, __uuidof(IOleWindow)) || IsEqualIID(id, __uuidof(IEnumVARIANT)))
            return standard_->QueryInterface(id, out);
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argError) override {
        return standard_->Invoke(member, id, locale, flags, params, result, exception, argError);
    }

    // IAccessible: the window's own name and value may be ours.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child) || !texts_.name) return standard_->get_accName(child, name);
        return ReturnText(*texts_.name, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!IsSelf(child) || !texts_.value) return standard_->get_accValue(child, value);
        return ReturnText(*texts_.value, value);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return standard_->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        return standard_->get_accDescription(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        return standard_->get_accRole(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        return standard_->get_accState(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override { return standard_->get_accHelp(child, out); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return standard_->get_accKeyboardShortcut(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override { return standard_->get_accFocus(out); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override { return standard_->get_accSelection(out); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        return standard_->get_accDefaultAction(child, out);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return standard_->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return standard_->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~SpokenAccessible() { standard_->Release(); }

    LONG references_ = 1;
    IAccessible* standard_;  // one reference, ours
    SpokenTexts texts_;
};

// WM_GETOBJECT for OBJID_CLIENT: the standard object with `texts`.
std::optional<LRESULT> AnswerWith(HWND window, WPARAM wParam, LPARAM lParam, SpokenTexts texts) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) return std::nullopt;
    const AccessibilityLibrary& library = Accessibility();
    if (!library.Usable()) return std::nullopt;
    IAccessible* standard = nullptr;
    if (FAILED(library.createStandard(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard))) ||
        !standard) {
        return std::nullopt;
    }
    auto* spoken = new SpokenAccessible(standard, std::move(texts));
    // LresultFromObject keeps its own reference for the reader.
    const LRESULT result =
        library.resultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(spoken));
    spoken->Release();
    if (FAILED(static_cast<HRESULT>(result))) return std::nullopt;
    return result;
}

constexpr UINT_PTR kLabelSubclassId = 0x5A4C;

// A control's window procedure in front of its own, answering readers with
// the label's name; `data` owns that name until the control goes.
LRESULT CALLBACK LabelledControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR data) {
    auto* name = reinterpret_cast<std::shared_ptr<const std::wstring>*>(data);
    if (message == WM_GETOBJECT) {
        if (const std::optional<LRESULT> answer = AnswerWith(window, wParam, lParam, SpokenTexts{*name, nullptr}))
            return *answer;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, LabelledControlProc, kLabelSubclassId);
        delete name;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void NameByLabel(HWND control, const std::string& label) {
    if (label.empty()) return;
    auto* name = new std::shared_ptr<const std::wstring>(std::make_shared<const std::wstring>(Widen(label)));
    if (!SetWindowSubclass(control, LabelledControlProc, kLabelSubclassId, reinterpret_cast<DWORD_PTR>(name)))
        delete name;
}

AccessibleValue::AccessibleValue(HWND window) : window_(window), value_(std::make_shared<std::wstring>()) {}

bool AccessibleValue::Set(const std::string& value) {
    std::wstring wide = Widen(value);
    if (wide == *value_) return false;
    *value_ = std::move(wide);
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
    return true;
}

void AccessibleValue::Announce(const std::string& text) {
    *value_ = Widen(text);
    NotifyWinEvent(EVENT_SYSTEM_ALERT, window_, OBJID_CLIENT, CHILDID_SELF);
}

std::optional<LRESULT> AccessibleValue::Answer(WPARAM wParam, LPARAM lParam) const {
    return AnswerWith(window_, wParam, lParam, SpokenTexts{nullptr, value_});
}

}  // namespace zentrova::platform
