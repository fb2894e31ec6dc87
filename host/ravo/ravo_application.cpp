// The replacement host's automation object.
#include "host/ravo/ravo_application.h"

#include <oleauto.h>

#include <cwchar>

namespace {

constexpr DISPID kFrequency = 2;
constexpr DISPID kEntryField = 8;
constexpr DISPID kRunMacro = 16;
constexpr LONG kEntryLineIndex = 5;

std::wstring ToWide(const std::string& text) {
    if (text.empty()) {
        return std::wstring();
    }
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string ToAnsi(const wchar_t* text, UINT length) {
    if (text == nullptr || length == 0) {
        return std::string();
    }
    const int size = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0,
                                         nullptr, nullptr);
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), ansi.data(), size, nullptr,
                        nullptr);
    return ansi;
}

// The single argument of a call, converted to the wanted type.
HRESULT Argument(const DISPPARAMS* parameters, VARTYPE type, VARIANT& out) {
    if (parameters == nullptr || parameters->cArgs != 1) {
        return DISP_E_BADPARAMCOUNT;
    }
    VariantInit(&out);
    return VariantChangeType(&out, &parameters->rgvarg[0], 0, type);
}

}  // namespace

RavoApplication* RavoApplication::Create() {
    return new RavoApplication();
}

HRESULT RavoApplication::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG RavoApplication::AddRef() {
    return ++m_references;
}

ULONG RavoApplication::Release() {
    const ULONG left = --m_references;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT RavoApplication::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT RavoApplication::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT RavoApplication::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (names == nullptr || ids == nullptr) {
        return E_POINTER;
    }
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
        const wchar_t* name = names[i];
        if (name != nullptr && _wcsicmp(name, L"Frequency") == 0) {
            ids[i] = kFrequency;
        } else if (name != nullptr && _wcsicmp(name, L"EntryField") == 0) {
            ids[i] = kEntryField;
        } else if (name != nullptr && _wcsicmp(name, L"RunMacro") == 0) {
            ids[i] = kRunMacro;
        } else {
            ids[i] = DISPID_UNKNOWN;
            hr = DISP_E_UNKNOWNNAME;
        }
    }
    return hr;
}

HRESULT RavoApplication::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                VARIANT* result, EXCEPINFO*, UINT*) {
    VARIANT argument;
    VariantInit(&argument);
    switch (id) {
        case kFrequency:
            if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0) {
                const HRESULT hr = Argument(parameters, VT_R8, argument);
                if (FAILED(hr)) {
                    return hr;
                }
                SetFrequency(argument.dblVal);
                return S_OK;
            }
            if (result != nullptr) {
                VariantInit(result);
                result->vt = VT_R8;
                result->dblVal = Frequency();
            }
            return S_OK;
        case kEntryField: {
            const HRESULT hr = Argument(parameters, VT_I4, argument);
            if (FAILED(hr)) {
                return hr;
            }
            std::wstring text;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_entryFieldWaiting = m_holdEntryField;
                m_holdChanged.wait(lock, [this] { return !m_holdEntryField; });
                m_entryFieldWaiting = false;
                ++m_entryFieldCalls;
                if (argument.lVal == kEntryLineIndex) {
                    text = m_entryLine;
                }
            }
            if (result != nullptr) {
                VariantInit(result);
                result->vt = VT_BSTR;
                result->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
            }
            return S_OK;
        }
        case kRunMacro: {
            const HRESULT hr = Argument(parameters, VT_BSTR, argument);
            if (FAILED(hr)) {
                return hr;
            }
            const std::string macro = ToAnsi(argument.bstrVal, SysStringLen(argument.bstrVal));
            VariantClear(&argument);
            std::lock_guard<std::mutex> lock(m_mutex);
            m_macros.push_back(macro);
            return S_OK;
        }
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

void RavoApplication::SetEntryLine(const std::string& call) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entryLine = ToWide(call);
}

void RavoApplication::SetFrequency(double hertz) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_frequency = hertz;
}

double RavoApplication::Frequency() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_frequency;
}

std::vector<std::string> RavoApplication::Macros() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_macros;
}

int RavoApplication::EntryFieldCalls() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entryFieldCalls;
}

void RavoApplication::HoldEntryField(bool hold) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_holdEntryField = hold;
    }
    m_holdChanged.notify_all();
}

bool RavoApplication::EntryFieldWaiting() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entryFieldWaiting;
}
