// Standard error is pointed at a temporary file for the time of the run and back after.
#include "host/score/plugin_messages.h"

#ifndef _WIN32
#include <unistd.h>
#endif

PluginMessages::PluginMessages() {
#ifndef _WIN32
    std::fflush(stderr);
    m_kept = std::tmpfile();
    if (m_kept == nullptr) {
        return;
    }
    m_savedError = dup(STDERR_FILENO);
    if (m_savedError < 0 || dup2(fileno(m_kept), STDERR_FILENO) < 0) {
        std::fclose(m_kept);
        m_kept = nullptr;
    }
#endif
}

PluginMessages::~PluginMessages() {
    Release();
}

std::string PluginMessages::Release() {
    std::string text;
#ifndef _WIN32
    if (m_savedError >= 0) {
        std::fflush(stderr);
        dup2(m_savedError, STDERR_FILENO);
        close(m_savedError);
        m_savedError = -1;
    }
    if (m_kept != nullptr) {
        std::rewind(m_kept);
        char buffer[4096];
        std::size_t count = 0;
        while ((count = std::fread(buffer, 1, sizeof buffer, m_kept)) > 0) {
            text.append(buffer, count);
        }
        std::fclose(m_kept);
        m_kept = nullptr;
    }
#endif
    return text;
}
