// Polling waits.
#include "Wait.h"

#include <windows.h>

namespace e2e {

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout,
               std::chrono::milliseconds step)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (done())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return done();
        Sleep(static_cast<DWORD>(step.count()));
    }
}

} // namespace e2e
