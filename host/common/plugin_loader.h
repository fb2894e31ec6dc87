// The Stats plug-in as a host loads it at run time (dlopen / LoadLibrary): every exported
// entry point looked up by its plain name. Hosts never link the plug-in.
#pragma once

#include <filesystem>
#include <string>

#include "api/stats_api.h"

// The plug-in's entry points as pointers: what the hosts call, and what a test fills with
// stand-ins.
struct StatsEntryPoints {
    GetNumberOfSetsFn GetNumberOfSets = nullptr;
    GetSetNameFn GetSetName = nullptr;
    SetupSet0Fn SetupSet0 = nullptr;
    SetVersionFn setVersion = nullptr;
    ResetStats0Fn ResetStats0 = nullptr;
    QsoDataFn AddData0 = nullptr;
    QsoDataFn RemoveData0 = nullptr;
    CheckCall0Fn CheckCall0 = nullptr;
    GetExchgCount0Fn GetExchgCount0 = nullptr;
    IsValidExchg0Fn IsValidExchg0 = nullptr;
    GetResult0Fn GetResult0 = nullptr;
};

// The loaded library; its entry points are valid while it stays loaded.
class StatsPlugin : public StatsEntryPoints {
  public:
    StatsPlugin() = default;
    StatsPlugin(const StatsPlugin&) = delete;
    StatsPlugin& operator=(const StatsPlugin&) = delete;
    ~StatsPlugin() { Unload(); }

    // Loads the library and finds every entry point. False, with a one-line message in *error
    // when one is given, when the library cannot be loaded or lacks an entry point; the
    // library is then unloaded again.
    bool Load(const std::filesystem::path& path, std::string* error = nullptr);
    // Unloads the library (its exit routine runs inside); the entry points become null.
    void Unload();
    bool IsLoaded() const { return m_handle != nullptr; }

  private:
    void* m_handle = nullptr;
};

// The plug-in's file next to the running program: Stats.dll or libStats.so.
std::filesystem::path DefaultPluginPath();
