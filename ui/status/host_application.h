// HostApplication: the plug-in's automation client for the host's running application object
// ("Ravo2.Application"), called by dispatch id through late binding. Status thread only.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <optional>
#include <string>

#include "platform/win32/unique_handle.h"
#include "ui/status/portable/refresh_logic.h"

constexpr const wchar_t* kHostProgId = L"Ravo2.Application";
constexpr DISPID kDispidFrequency = 2;
constexpr DISPID kDispidEntryField = 8;
constexpr DISPID kDispidRunMacro = 16;

class HostApplication final : public HostLink {
  public:
    // Looks up the running object of the host (COM must be initialised on this thread). The
    // host is never started. False, and unbound, when it is not running or not registered.
    bool Bind();
    // Releases the reference.
    void Release();
    // Forgets the reference without releasing it: for a thread that was ended, whose
    // apartment the reference belonged to (releasing it from another thread would be a call
    // across apartments).
    void Abandon() { m_dispatch.release(); }

    bool IsBound() const override { return static_cast<bool>(m_dispatch); }
    std::optional<std::string> TryEntryField(int index) override;
    std::optional<double> TryReadFrequency() override;
    bool TryRunMacro(const std::string& macro) override;
    // From the system's ANSI code page, in which the entry line was read.
    std::string ToUtf8(const std::string& hostText) const override;
    bool TrySetFrequency(double hertz);

  private:
    HRESULT Invoke(DISPID id, WORD flags, DISPPARAMS& parameters, VARIANT* result);

    ComPtr<IDispatch> m_dispatch;
};

// The status thread's link to the host; bound by the status window's initialisation.
extern HostApplication g_hostApp;
