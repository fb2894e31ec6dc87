// Run-time loading of Stats.dll.
#include "host/ravo/stats_plugin.h"

#include <vector>

namespace {

template <class Fn>
bool Find(HMODULE module, const char* name, Fn& out) {
    out = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return out != nullptr;
}

}  // namespace

bool StatsPlugin::Load(const std::wstring& path) {
    Unload();
    m_module = LoadLibraryW(path.c_str());
    if (m_module == nullptr) {
        return false;
    }
    const bool all =
        Find(m_module, "GetNumberOfSets", GetNumberOfSets) &&
        Find(m_module, "GetSetName", GetSetName) && Find(m_module, "SetupSet0", SetupSet0) &&
        Find(m_module, "setVersion", setVersion) && Find(m_module, "ResetStats0", ResetStats0) &&
        Find(m_module, "AddData0", AddData0) && Find(m_module, "RemoveData0", RemoveData0) &&
        Find(m_module, "CheckCall0", CheckCall0) &&
        Find(m_module, "GetExchgCount0", GetExchgCount0) &&
        Find(m_module, "IsValidExchg0", IsValidExchg0) && Find(m_module, "GetResult0", GetResult0);
    if (!all) {
        Unload();
    }
    return all;
}

void StatsPlugin::Unload() {
    if (m_module != nullptr) {
        FreeLibrary(m_module);
        m_module = nullptr;
    }
}

std::wstring ProgramFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::wstring();
        }
        if (length < path.size()) {
            std::wstring text(path.data(), length);
            return text.substr(0, text.find_last_of(L"\\/") + 1);
        }
        path.resize(path.size() * 2);
    }
}
