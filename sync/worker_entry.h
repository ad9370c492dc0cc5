// The program as its own worker: every entry point asks this first.
#pragma once

// When the program was started as a scan or copy worker, serves as one and
// returns true with the exit code. Otherwise makes the running program the
// worker program of this process where workers pay (under Wine) and returns
// false.
bool RunWorkerIfAsked(int& exitCode);
