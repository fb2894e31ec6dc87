// Registration of the replacement host's automation object.
#include "host/ravo/ravo_host.h"

#include <objbase.h>
#include <oleauto.h>

#include <fstream>

// {5B0C6A7E-2F4D-4E31-9A8B-52A6E3D0C1F7}
const CLSID kRavoApplicationClsid = {
    0x5b0c6a7e, 0x2f4d, 0x4e31, {0x9a, 0x8b, 0x52, 0xa6, 0xe3, 0xd0, 0xc1, 0xf7}};

namespace {

constexpr const wchar_t* kProgId = L"Ravo2.Application";

bool SetDefaultValue(const std::wstring& keyPath, const std::wstring& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LONG status =
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

std::wstring ClsidText() {
    wchar_t text[64] = {};
    StringFromGUID2(kRavoApplicationClsid, text, 64);
    return text;
}

}  // namespace

bool WriteHostIni(const std::string& version) {
    std::ofstream out("Ravo2.ini", std::ios::binary | std::ios::trunc);
    out << "[Ravo]\r\nRavo=" << version << "\r\n";
    return static_cast<bool>(out);
}

RavoHost::RavoHost()
    : m_comInitialised(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))),
      m_application(RavoApplication::Create()) {}

RavoHost::~RavoHost() {
    Revoke();
    m_application->Release();
    if (m_comInitialised) {
        CoUninitialize();
    }
}

bool RavoHost::Register() {
    if (m_cookie != 0) {
        return true;
    }
    const std::wstring clsid = ClsidText();
    if (!SetDefaultValue(std::wstring(kProgId) + L"\\CLSID", clsid) ||
        !SetDefaultValue(L"CLSID\\" + clsid, kProgId) ||
        !SetDefaultValue(L"CLSID\\" + clsid + L"\\ProgID", kProgId)) {
        return false;
    }
    return SUCCEEDED(RegisterActiveObject(static_cast<IDispatch*>(m_application),
                                          kRavoApplicationClsid, ACTIVEOBJECT_STRONG, &m_cookie));
}

void RavoHost::Revoke() {
    if (m_cookie == 0) {
        return;
    }
    RevokeActiveObject(m_cookie, nullptr);
    m_cookie = 0;
    CoDisconnectObject(static_cast<IDispatch*>(m_application), 0);
}
