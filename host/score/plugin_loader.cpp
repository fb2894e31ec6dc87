// Run-time linking on both platforms. The symbol lookups go through one helper that turns
// the platform's untyped address into the entry point's declared pointer type.
#include "host/score/plugin_loader.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
using RawSymbol = FARPROC;

void* LoadLibraryAt(const std::string& path, std::string* error) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        *error = "cannot load the plug-in " + path + " (Windows error " +
                 std::to_string(GetLastError()) + ")";
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

void* LoadLibraryAt(const std::string& path, std::string* error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        *error = "cannot load the plug-in: " + std::string(reason != nullptr ? reason : path);
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
bool Resolve(void* handle, const char* name, Fn* out, std::string* missing) {
    const RawSymbol symbol = FindSymbol(handle, name);
    if (symbol == nullptr) {
        *missing += missing->empty() ? name : std::string(", ") + name;
        return false;
    }
    static_assert(sizeof(Fn) == sizeof(RawSymbol), "entry point pointers are address-sized");
    std::memcpy(out, &symbol, sizeof(Fn));
    return true;
}

}  // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::Open(const std::string& path, std::string* error) {
    void* handle = LoadLibraryAt(path, error);
    if (handle == nullptr) {
        return nullptr;
    }
    std::unique_ptr<PluginLibrary> library(new PluginLibrary(handle));
    PluginEntryPoints& entry = library->m_entryPoints;
    std::string missing;
    Resolve(handle, "setVersion", &entry.setVersion, &missing);
    Resolve(handle, "ResetStats0", &entry.resetStats, &missing);
    Resolve(handle, "AddData0", &entry.addData, &missing);
    Resolve(handle, "GetResult0", &entry.getResult, &missing);
    Resolve(handle, "CheckCall0", &entry.checkCall, &missing);
    Resolve(handle, "IsValidExchg0", &entry.isValidExchange, &missing);
    if (!missing.empty()) {
        *error = path + " is not the Sarnet plug-in: it lacks " + missing;
        return nullptr;
    }
    return library;
}

PluginLibrary::~PluginLibrary() {
    CloseLibrary(m_handle);
}

std::string DefaultPluginPath() {
    std::string program;
#ifdef _WIN32
    std::string buffer(MAX_PATH, '\0');
    while (true) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            program = buffer.substr(0, length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    const std::size_t slash = program.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : program.substr(0, slash + 1)) +
           "Stats.dll";
#else
    std::string buffer(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length > 0 && static_cast<std::size_t>(length) < buffer.size()) {
        program = buffer.substr(0, static_cast<std::size_t>(length));
    }
    const std::size_t slash = program.find_last_of('/');
    return (slash == std::string::npos ? std::string("./") : program.substr(0, slash + 1)) +
           "libStats.so";
#endif
}
