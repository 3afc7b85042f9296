# Tests of the Windows program, run under wine (the emulator). GUI programs
# need a display: run the tests under xvfb-run.

# The window shell's unit tests use the program's own resources.
target_sources(dravel03_tests PRIVATE app/dravel03.rc)
