// The replacement host's side of the plug-in's world: its INI file "Ravo2.ini", the
// programmatic id "Ravo2.Application" in the registry and the running application object.
#pragma once

#include <windows.h>

#include <string>

#include "host/ravo/ravo_application.h"

// The class id under which the replacement host registers its application object.
extern const CLSID kRavoApplicationClsid;

// Writes "Ravo2.ini" with the line "Ravo=<version>" into the current directory.
bool WriteHostIni(const std::string& version);

class RavoHost {
  public:
    // Initialises COM (single-threaded apartment) on the calling thread, which must keep
    // pumping messages while the plug-in's status thread calls the object.
    RavoHost();
    RavoHost(const RavoHost&) = delete;
    RavoHost& operator=(const RavoHost&) = delete;
    ~RavoHost();

    // Registers the programmatic id under HKEY_CLASSES_ROOT and the running object.
    bool Register();
    // The host goes away: the running object is revoked and every client's proxy is cut off.
    void Revoke();
    bool IsRegistered() const { return m_cookie != 0; }

    RavoApplication& Application() { return *m_application; }

  private:
    bool m_comInitialised = false;
    RavoApplication* m_application = nullptr;
    DWORD m_cookie = 0;
};
