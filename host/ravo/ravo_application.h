// Ravo2.Application: the replacement host's automation object. It offers the three members
// the plug-in uses by dispatch id: Frequency (2), EntryField (8) and RunMacro (16).
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

// COM objects are destroyed by their own Release, never through a base pointer.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class RavoApplication final : public IDispatch {
  public:
    // A new object holding one reference.
    static RavoApplication* Create();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* badArgument) override;

    // The call sign in the entry line (field 5), 8-bit text in the ANSI code page.
    void SetEntryLine(const std::string& call);
    void SetFrequency(double hertz);
    double Frequency() const;
    // Every macro text received, in order.
    std::vector<std::string> Macros() const;
    // Number of EntryField calls answered.
    int EntryFieldCalls() const;
    // While held, an EntryField call waits on the object's thread until the hold is let go,
    // as a host busy elsewhere would answer late; EntryFieldWaiting() tells that one waits.
    void HoldEntryField(bool hold);
    bool EntryFieldWaiting() const;

  private:
    RavoApplication() = default;
    ~RavoApplication() = default;

    std::atomic<ULONG> m_references{1};
    mutable std::mutex m_mutex;
    std::wstring m_entryLine;
    double m_frequency = 0.0;
    std::vector<std::string> m_macros;
    int m_entryFieldCalls = 0;
    bool m_holdEntryField = false;
    bool m_entryFieldWaiting = false;
    std::condition_variable m_holdChanged;
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
