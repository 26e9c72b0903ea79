#include "zip/unz_dll_library.h"

#include <dlfcn.h>

#include <filesystem>

namespace tarnix {
namespace {

struct LoadedLibrary {
    void* handle = nullptr;
    TUnzDllExec exec = nullptr;
};

LoadedLibrary library;

void* openLibrary(const std::string& folder)
{
    if (!folder.empty()) {
        const std::string beside = (std::filesystem::path(folder) / kUnzDllFileName).string();
        if (void* handle = ::dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL))
            return handle;
    }
    return ::dlopen(kUnzDllFileName, RTLD_NOW | RTLD_LOCAL);
}

}  // namespace

bool LoadUnzDll(const std::string& folder)
{
    if (library.handle)
        return true;
    void* handle = openLibrary(folder);
    if (!handle)
        return false;
    auto* exec = reinterpret_cast<TUnzDllExec>(::dlsym(handle, UNZ_DLL_EXEC_NAME));
    // Never called, but a library without it is not the unzip library.
    void* version = ::dlsym(handle, UNZ_DLL_VERSION_NAME);
    if (!exec || !version) {
        ::dlclose(handle);
        return false;
    }
    library = {handle, exec};
    return true;
}

TUnzDllExec UnzDllExec()
{
    return library.exec;
}

void ZipFreeDlls()
{
    if (library.handle)
        ::dlclose(library.handle);
    library = {};
}

}  // namespace tarnix
