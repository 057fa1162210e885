#pragma once

// Pieces several benchmarks share.

#include "base/prompter.h"

#include <ctime>

namespace BenchSupport {

// Answers every question No, so that nothing waits for a user.
class SilentPrompter : public Prompter
{
public:
    PromptAnswer ask(PromptIcon, const QString &, PromptButtons) override
    {
        return PromptAnswer::No;
    }
};

// CPU time of the calling thread, in milliseconds: what the user's thread spends, whatever
// other threads and processes do meanwhile.
inline double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

} // namespace BenchSupport
