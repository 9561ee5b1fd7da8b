// The file through which a station fuzz target hands each input to the loader: one per
// process, in memory where the system has /dev/shm, removed at exit.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "fuzz/fuzz_check.h"

namespace fuzz {

inline std::string& ScratchPath()
{
    static std::string path;
    return path;
}

// Creates the file; stem names the target in the file name.
inline void CreateScratchFile(const char* stem)
{
    const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::getenv("TMPDIR");
    std::string pattern = std::string(dir && *dir ? dir : "/tmp") + "/marevo-" + stem + "-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) std::abort();
    close(fd);
    ScratchPath() = name.data();
    std::atexit([] { std::remove(ScratchPath().c_str()); });
}

// Replaces the file's content with size bytes of data.
inline void WriteScratchFile(const uint8_t* data, size_t size)
{
    std::FILE* f = std::fopen(ScratchPath().c_str(), "wb");
    FUZZ_CHECK(f != nullptr);
    FUZZ_CHECK(std::fwrite(data, 1, size, f) == size);
    std::fclose(f);
}

} // namespace fuzz
