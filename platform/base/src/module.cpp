// Module handles.  The program's resources are registered with the user
// layer at start and belong to the program itself, so there is one module
// to name; its handle only has to be non-null and stable, because resource
// loaders treat a null instance as "the system's own images".
#include "platform/base.h"

#include <cstdint>

namespace {
const HMODULE kProgramModule = reinterpret_cast<HMODULE>(std::uintptr_t{0x400000});
}

extern "C" HMODULE GetModuleHandleA(LPCSTR moduleName)
{
    if (moduleName == nullptr)
        return kProgramModule;
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}
