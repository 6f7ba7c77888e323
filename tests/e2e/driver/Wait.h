// Polling waits: the end-to-end tests never sleep a fixed long time, they poll for an effect.
#pragma once

#include <chrono>
#include <functional>

namespace e2e {

// The default limit of every wait: generous, because Wine on a loaded machine can be slow.
// A passing test never waits this long; only a failing one does.
constexpr std::chrono::milliseconds kTimeout{15000};

// Calls `done` at once and then every `step` until it returns true or `timeout` has passed.
// Returns true as soon as `done` does; false if the time ran out (after one last call).
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = kTimeout,
               std::chrono::milliseconds step = std::chrono::milliseconds(20));

} // namespace e2e
