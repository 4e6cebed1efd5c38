#pragma once

#include <QtTest>

// A test that needs an outside tool (ffmpeg, FUSE, …) skips where the tool is missing, but not
// where the suite is asked to have every tool (KESTRUNE_REQUIRE_TOOLS=1, as the test command
// sets it): there a missing tool fails the test, so a machine without it cannot pass by skipping.
#define KESTRUNE_SKIP_WITHOUT_TOOL(reason)                                                                                                                     \
    do {                                                                                                                                                       \
        if (qEnvironmentVariableIntValue("KESTRUNE_REQUIRE_TOOLS") == 1)                                                                                       \
            QFAIL(reason);                                                                                                                                     \
        QSKIP(reason);                                                                                                                                         \
    } while (false)
