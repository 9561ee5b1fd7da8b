# Native build (Linux): the portable libraries, the command line, tests and benchmarks.
set(MAREVO_WINDOWS OFF)
