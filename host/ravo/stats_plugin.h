// Stats.dll as the replacement host loads it: LoadLibrary and the entry points looked up by
// their plain names. The host never links the plug-in.
#pragma once

#include <windows.h>

#include <string>

#include "api/stats_api.h"

class StatsPlugin {
  public:
    StatsPlugin() = default;
    StatsPlugin(const StatsPlugin&) = delete;
    StatsPlugin& operator=(const StatsPlugin&) = delete;
    ~StatsPlugin() { Unload(); }

    // Loads the library and finds every entry point; false (and unloaded) when any is missing.
    bool Load(const std::wstring& path);
    // FreeLibrary; the module's exit routine runs inside it.
    void Unload();
    bool IsLoaded() const { return m_module != nullptr; }

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

  private:
    HMODULE m_module = nullptr;
};

// The folder of the running program, with a trailing backslash.
std::wstring ProgramFolder();
