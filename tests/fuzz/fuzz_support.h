// Shared by the fuzz targets: a scratch folder for the process, whole-file I/O, and checks.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "support/scratch.h"

// A broken property is a finding: libFuzzer keeps the input that led to the abort.
#define FUZZ_CHECK(condition)                                                             \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #condition, __FILE__, \
                         __LINE__);                                                       \
            std::abort();                                                                 \
        }                                                                                 \
    } while (false)

namespace mp3::fuzz {

// One folder per fuzzing process, made on first use and removed when the process ends.
inline test::ScratchDir& scratchFolder() {
    static test::ScratchDir folder;
    return folder;
}

// A new file each time: truncating one that holds data makes ext4 write it out at the close,
// which would cost more than the rest of a run.
inline void writeBytes(const std::string& name, std::string_view bytes) {
    ::unlink(name.c_str());
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(out.good());
}

inline std::string readBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace mp3::fuzz
