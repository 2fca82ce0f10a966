// What both fuzzers share: a scratch folder standing for the program's folder and settings store.
#pragma once
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/canvas/screen.h"
#include "platform/system/store.h"
#include "platform/system/program.h"

// Makes the folder once (memory-backed when the machine has it: every input saves the game several
// times), points the program's path and the store at it and sets up a 240 x 320 screen.
inline std::string setUpScratchProgram(const char* name) {
    std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    folder += std::string("/rendaro-fuzz-") + name + "-XXXXXX";
    if (!mkdtemp(folder.data())) std::abort();
    initScreen(240, 320);
    setModulePath(folder + "/rendaro");
    setStoreRoot(folder);
    return folder;
}
