#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "IntakeCheck.h"

// libFuzzer entry: the input bytes are the clipboard text. Any broken promise aborts, so the
// fuzzer keeps the input as a crash.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::string failure = corvalen::CheckIntake(text);
    if (!failure.empty()) {
        std::fprintf(stderr, "intake check failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
