// The plug-in's messages to the operator ("Output" after writing the Cabrillo log) go to
// standard error where there is no desktop. While a PluginMessages object lives they are
// kept, so that the host can show them after the summary with its own prefix. Under
// Windows the plug-in shows message boxes and nothing is kept.
#pragma once

#include <cstdio>
#include <string>

class PluginMessages {
  public:
    PluginMessages();
    ~PluginMessages();
    PluginMessages(const PluginMessages&) = delete;
    PluginMessages& operator=(const PluginMessages&) = delete;

    // Gives standard error back and returns what was written to it meanwhile.
    std::string Release();

  private:
    std::FILE* m_kept = nullptr;
    int m_savedError = -1;
};
