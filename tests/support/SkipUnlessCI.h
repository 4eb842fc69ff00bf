#pragma once

#include <QtTest>

// A case that needs what this machine lacks (Xvfb, python3-dbusmock, root)
// says why and is skipped. In CI (CI=true) the machine is set up to run
// everything, so the same case fails instead of passing unseen.
#define PACEWISE_SKIP_UNLESS_CI(reason)                                                                                 \
    do {                                                                                                               \
        if (qEnvironmentVariable("CI") == QLatin1String("true"))                                                       \
            QFAIL(reason);                                                                                             \
        QSKIP(reason);                                                                                                 \
    } while (false)
