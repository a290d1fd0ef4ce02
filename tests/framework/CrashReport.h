// A test executable that crashes ends at once, failed, with one line naming
// the test that was running and where it crashed, in place of waiting in
// the system's debugger until the run's time-out.
#pragma once

// From now on, for the whole process.
void InstallCrashReport();
