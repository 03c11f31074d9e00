#pragma once

// What every benchmark program does around its application object: the offscreen platform,
// so that fonts and painting behave as in the headless tools, and the run of the benchmarks
// the command line names.

// Before the application object is made.
void useOffscreenPlatform();
// After it is made: the program's exit code.
int runBenchmarks(int argc, char** argv);
