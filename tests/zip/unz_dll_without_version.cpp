// A library with the unzip library's name but only one of its two entry
// points: the program must not take it for the unzip library.

#include "unzfdll/unz_dll.h"

extern "C" __attribute__((visibility("default"))) int32_t UnzDllExec(TUnzDllCommand*)
{
    return 0;
}
