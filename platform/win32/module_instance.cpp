// The module is found from the linker's image base, so it is right in the DLL and in a test
// program alike.
#include "platform/win32/module_instance.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE ModuleInstance() {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}
