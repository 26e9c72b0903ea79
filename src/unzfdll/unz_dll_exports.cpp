// The library's two entry points. Nothing thrown inside crosses them: the
// caller may be written in any language.

#include "unzfdll/archive_extraction.h"
#include "unzfdll/unz_dll.h"

#include <cstddef>

// On a 32-bit platform the records are, byte for byte, the Windows library's protocol.
static_assert(sizeof(void*) != 4
              || (sizeof(TUnzDllCommand) == 148 && offsetof(TUnzDllCommand, Callback) == 12
                  && offsetof(TUnzDllCommand, JunkFolderNames) == 48 && offsetof(TUnzDllCommand, FileSpecCount) == 64
                  && offsetof(TUnzDllCommand, ArchivePath) == 68 && offsetof(TUnzDllCommand, FileSpecs) == 72
                  && offsetof(TUnzDllCommand, Reserved104) == 104 && offsetof(TUnzDllCommand, Reserved144) == 144));
static_assert(sizeof(void*) != 4
              || (sizeof(TUnzCallbackRec) == 540 && offsetof(TUnzCallbackRec, ActionCode) == 16
                  && offsetof(TUnzCallbackRec, Text) == 28));
static_assert(sizeof(TUnzFileSpec) == 72);

#define UNZ_EXPORT __attribute__((visibility("default")))

extern "C" UNZ_EXPORT std::int32_t UnzDllExec(TUnzDllCommand* command)
{
    if (!command || command->Version != UNZ_DLL_VERSION || !command->Callback || !command->ArchivePath)
        return UNZ_ERROR_COMMAND;
    try {
        return tarnix::unzfdll::ArchiveExtraction(*command).run();
    } catch (...) {
        return UNZ_ERROR_INTERNAL;
    }
}

extern "C" UNZ_EXPORT std::int32_t GetUnzDllVersion()
{
    return UNZ_DLL_VERSION;
}
