// Loads the plug-in library by path (dlopen / LoadLibrary) and finds its entry points;
// the library stays loaded for the life of the PluginLibrary object.
#pragma once

#include <memory>
#include <string>

#include "api/stats_api.h"

struct PluginEntryPoints {
    SetVersionFn setVersion = nullptr;
    ResetStats0Fn resetStats = nullptr;
    QsoDataFn addData = nullptr;
    GetResult0Fn getResult = nullptr;
    CheckCall0Fn checkCall = nullptr;
    IsValidExchg0Fn isValidExchange = nullptr;
};

class PluginLibrary {
  public:
    // nullptr with a message in *error when the library cannot be loaded or lacks one of
    // the entry points the scorer calls.
    static std::unique_ptr<PluginLibrary> Open(const std::string& path, std::string* error);

    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    const PluginEntryPoints& EntryPoints() const { return m_entryPoints; }

  private:
    explicit PluginLibrary(void* handle) : m_handle(handle) {}

    void* m_handle;
    PluginEntryPoints m_entryPoints;
};

// The library's file name next to the running program: libStats.so or Stats.dll.
std::string DefaultPluginPath();
