// Run-time linking on both platforms. The symbol lookups go through one helper that turns
// the platform's untyped address into the entry point's declared pointer type.
#include "host/common/plugin_loader.h"

#include <cstring>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
using RawSymbol = FARPROC;

void* OpenLibrary(const std::filesystem::path& path, std::string* reason) {
    HMODULE module = LoadLibraryW(path.c_str());
    if (module == nullptr) {
        *reason = "Windows error " + std::to_string(GetLastError());
    }
    return reinterpret_cast<void*>(module);
}

RawSymbol FindSymbol(void* handle, const char* name) {
    return GetProcAddress(static_cast<HMODULE>(handle), name);
}

void CloseLibrary(void* handle) {
    FreeLibrary(static_cast<HMODULE>(handle));
}
#else
using RawSymbol = void*;

void* OpenLibrary(const std::filesystem::path& path, std::string* reason) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* text = dlerror();
        *reason = text != nullptr ? text : "unknown reason";
    }
    return handle;
}

RawSymbol FindSymbol(void* handle, const char* name) {
    return dlsym(handle, name);
}

void CloseLibrary(void* handle) {
    dlclose(handle);
}
#endif

// Copies the address bits: object and function pointers have the same size on every
// platform that loads this plug-in.
template <class Fn>
void Resolve(void* handle, const char* name, Fn* out, std::string* missing) {
    const RawSymbol symbol = FindSymbol(handle, name);
    if (symbol == nullptr) {
        *missing += missing->empty() ? name : std::string(", ") + name;
        *out = nullptr;
        return;
    }
    static_assert(sizeof(Fn) == sizeof(RawSymbol), "entry point pointers are address-sized");
    std::memcpy(out, &symbol, sizeof(Fn));
}

// The folder of the running program.
std::filesystem::path ProgramFolder() {
#ifdef _WIN32
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return std::filesystem::path();
        }
        if (length < buffer.size()) {
            return std::filesystem::path(std::wstring(buffer.data(), length)).parent_path();
        }
        buffer.resize(buffer.size() * 2);
    }
#else
    std::string buffer(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) {
        return std::filesystem::path(".");
    }
    return std::filesystem::path(buffer.substr(0, static_cast<std::size_t>(length))).parent_path();
#endif
}

}  // namespace

bool StatsPlugin::Load(const std::filesystem::path& path, std::string* error) {
    Unload();
    std::string reason;
    m_handle = OpenLibrary(path, &reason);
    if (m_handle == nullptr) {
        if (error != nullptr) {
            *error = "cannot load the plug-in " + path.u8string() + ": " + reason;
        }
        return false;
    }
    std::string missing;
    Resolve(m_handle, "GetNumberOfSets", &GetNumberOfSets, &missing);
    Resolve(m_handle, "GetSetName", &GetSetName, &missing);
    Resolve(m_handle, "SetupSet0", &SetupSet0, &missing);
    Resolve(m_handle, "setVersion", &setVersion, &missing);
    Resolve(m_handle, "ResetStats0", &ResetStats0, &missing);
    Resolve(m_handle, "AddData0", &AddData0, &missing);
    Resolve(m_handle, "RemoveData0", &RemoveData0, &missing);
    Resolve(m_handle, "CheckCall0", &CheckCall0, &missing);
    Resolve(m_handle, "GetExchgCount0", &GetExchgCount0, &missing);
    Resolve(m_handle, "IsValidExchg0", &IsValidExchg0, &missing);
    Resolve(m_handle, "GetResult0", &GetResult0, &missing);
    if (!missing.empty()) {
        Unload();
        if (error != nullptr) {
            *error = path.u8string() + " is not the Sarnet plug-in: it lacks " + missing;
        }
        return false;
    }
    return true;
}

void StatsPlugin::Unload() {
    static_cast<StatsEntryPoints&>(*this) = StatsEntryPoints();
    if (m_handle != nullptr) {
        CloseLibrary(m_handle);
        m_handle = nullptr;
    }
}

std::filesystem::path DefaultPluginPath() {
#ifdef _WIN32
    return ProgramFolder() / L"Stats.dll";
#else
    return ProgramFolder() / "libStats.so";
#endif
}
