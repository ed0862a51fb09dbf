// Test support: a test that hangs fails fast instead of holding CI. Linked
// into every test binary, it arms a watchdog for each test case (the limit
// is ZELK_TEST_WATCHDOG_SECONDS, 90 s when unset) that stops the process
// with a line naming the test, and it keeps SIGTERM and SIGINT able to end
// a test after the game has started SDL, which would turn them into a quit
// event that no test reads.
#pragma once

// The limit of one test case in seconds.
unsigned watchdogSeconds();
// Stops the process (exit code 124) unless disarmed within `seconds`; 0
// disarms it.
void armWatchdog(unsigned seconds);
