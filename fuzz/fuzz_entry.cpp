// The entry routines fed an arbitrary byte stream as standard input. The
// first byte of each round picks the routine and its bounds; every call must
// end with an accepted value inside its bounds, the exit answer, or the end
// of input, and the stream must be used up in finitely many calls.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "common_state.h"
#include "entry.h"
#include "input.h"

namespace {

void check(bool property)
{
    if (!property)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The prompts and bells are of no interest here.
    if (std::freopen("/dev/null", "w", stdout) == nullptr)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    input_from_memory(reinterpret_cast<const char*>(data), size);
    input_ended = false;
    // Every call takes at least one line, so the rounds are bounded.
    for (size_t round = 0; round <= size + 1; ++round) {
        exit_requested = false;
        int which = round % 3;
        if (which == 0) {
            int32_t value = read_pixel("X: ");
            if (!exit_requested && !input_ended)
                check(value != -1);
            else
                check(value == 0);
        } else {
            double limit = which == 1 ? 90.0 : 180.0;
            double value = read_angle("A: ", -limit, limit);
            if (!exit_requested && !input_ended)
                check(value >= -limit && value <= limit);
            else
                check(value == 0.0);
        }
        check(!(exit_requested && input_ended));
        if (input_ended)
            return 0;
    }
    std::abort();  // more calls than lines: some call took no line
}
