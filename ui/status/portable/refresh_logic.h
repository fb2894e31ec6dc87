// The live call display's decisions, written against two small interfaces so that they run
// natively with fakes: the host's automation object and the status subsystem's windows.
#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <vector>

// The host's running application object. Every call may fail (host gone mid-contest).
class HostLink {
  public:
    virtual ~HostLink() = default;
    virtual bool IsBound() const = 0;
    // EntryField(index): the text of an entry field of the host, nullopt when the call fails.
    virtual std::optional<std::string> TryEntryField(int index) = 0;
    virtual std::optional<double> TryReadFrequency() = 0;
    virtual bool TryRunMacro(const std::string& macro) = 0;
    // The host's 8-bit text (the entry line) as UTF-8, for the captions. Taken as UTF-8
    // already unless the host says otherwise.
    virtual std::string ToUtf8(const std::string& hostText) const { return hostText; }
};

// What a refresh does to the windows. Texts are UTF-8.
class RefreshView {
  public:
    virtual ~RefreshView() = default;
    virtual bool WantsDxccWindow() const = 0;
    virtual bool WantsCountyWindow() const = 0;
    virtual bool IsDxccWindowOpen() const = 0;
    virtual bool IsCountyWindowOpen() const = 0;
    virtual void OpenDxccWindow() = 0;
    virtual void OpenCountyWindow() = 0;
    virtual void SetDxccCaption(const std::string& utf8) = 0;
    virtual void SetCountyCaption(const std::string& utf8) = 0;
    // Marks the counties worked on the current band and moves the marks into the controls.
    virtual void MarkCounties(const std::vector<std::string>& counties) = 0;
    virtual void RepaintDxccWindow() = 0;
};

// How a refresh ended; tests read it, the window ignores it.
enum class RefreshEnd {
    HostNotBound,
    HostCallFailed,
    ShortCall,
    NoBand,
    Complete,
};

constexpr int kEntryLineField = 5;
constexpr double kMacroFrequencyStep = 300.0;
constexpr const char* kStartMacro = "<MODE:BPSK31>";
constexpr const char* kFrequencyMacro = "<SP1>";
constexpr double kStartFrequency = 3580000.0;

// The band slot (0 "160m" to 5 "10m") of a frequency in hertz by its whole megahertz, or -1.
int BandSlotOfFrequency(double hertz);

// Number of refreshes that have ended, whichever way; for diagnostics and tests.
extern std::atomic<unsigned> g_refreshCount;

// One refresh of the live call display. Reads and writes the engine state under its lock,
// never holding the lock across a host call or a window operation. Always leaves
// g_refreshPending at 1.
RefreshEnd RefreshDisplay(HostLink& host, RefreshView& view);
