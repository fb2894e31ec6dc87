// Late-bound calls on the host's application object.
#include "ui/status/host_application.h"

#include <oleauto.h>

#include "platform/win32/text_encoding.h"

HostApplication g_hostApp;

bool HostApplication::Bind() {
    Release();
    CLSID clsid{};
    if (FAILED(CLSIDFromProgID(kHostProgId, &clsid))) {
        return false;
    }
    ComPtr<IUnknown> running;
    if (FAILED(GetActiveObject(clsid, nullptr, running.put())) || !running) {
        return false;
    }
    IDispatch* dispatch = nullptr;
    if (FAILED(running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) {
        return false;
    }
    m_dispatch.reset(dispatch);
    return true;
}

void HostApplication::Release() {
    m_dispatch.reset();
}

HRESULT HostApplication::Invoke(DISPID id, WORD flags, DISPPARAMS& parameters, VARIANT* result) {
    if (!m_dispatch) {
        return E_POINTER;
    }
    EXCEPINFO exception{};
    UINT badArgument = 0;
    const HRESULT hr = m_dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                          result, &exception, &badArgument);
    // The texts of a failed call are not shown; the owners free them.
    const UniqueBstr source(exception.bstrSource);
    const UniqueBstr description(exception.bstrDescription);
    const UniqueBstr helpFile(exception.bstrHelpFile);
    return hr;
}

std::optional<std::string> HostApplication::TryEntryField(int index) {
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = index;
    DISPPARAMS parameters{&argument, nullptr, 1, 0};
    UniqueVariant result;
    if (FAILED(Invoke(kDispidEntryField, DISPATCH_METHOD, parameters, result.get()))) {
        return std::nullopt;
    }
    if (result.value().vt != VT_BSTR &&
        FAILED(VariantChangeType(result.get(), result.get(), 0, VT_BSTR))) {
        return std::string();
    }
    const BSTR text = result.value().bstrVal;
    if (text == nullptr) {
        return std::string();
    }
    return WideToAnsi(std::wstring(text, SysStringLen(text)));
}

std::string HostApplication::ToUtf8(const std::string& hostText) const {
    return WideToUtf8(AnsiToWide(hostText));
}

std::optional<double> HostApplication::TryReadFrequency() {
    DISPPARAMS parameters{nullptr, nullptr, 0, 0};
    UniqueVariant result;
    if (FAILED(Invoke(kDispidFrequency, DISPATCH_PROPERTYGET, parameters, result.get()))) {
        return std::nullopt;
    }
    if (FAILED(VariantChangeType(result.get(), result.get(), 0, VT_R8))) {
        return std::nullopt;
    }
    return result.value().dblVal;
}

bool HostApplication::TryRunMacro(const std::string& macro) {
    const std::wstring wide = AnsiToWide(macro);
    UniqueBstr text(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = text.get();
    DISPPARAMS parameters{&argument, nullptr, 1, 0};
    UniqueVariant result;
    return SUCCEEDED(Invoke(kDispidRunMacro, DISPATCH_METHOD, parameters, result.get()));
}

bool HostApplication::TrySetFrequency(double hertz) {
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_R8;
    argument.dblVal = hertz;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{&argument, &named, 1, 1};
    return SUCCEEDED(Invoke(kDispidFrequency, DISPATCH_PROPERTYPUT, parameters, nullptr));
}
