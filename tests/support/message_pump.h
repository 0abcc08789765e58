// Running the test thread's messages while waiting: the windows and controls
// under test live on it.
#pragma once

#include <chrono>
#include <functional>

namespace zeltest {

// Runs the messages that are waiting now.
void DrainMessages();
// Runs the thread's message loop for `duration`.
void PumpMessages(std::chrono::milliseconds duration);
// Pumps messages until `done` holds (checked after each pass) or the timeout
// passes; returns `done()`.
bool PumpUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(20));

}  // namespace zeltest
