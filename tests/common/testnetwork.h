#pragma once

#include <QByteArray>
#include <QtGlobal>

// Tests that make the program broadcast run only inside the private network namespace that
// scripts/in-netns.sh builds; anywhere else they skip, so nothing reaches the machine's own network.
inline bool isolatedNetwork()
{
    return qgetenv("QUELLOR_TEST_NETNS") == "1";
}

#define QUELLOR_REQUIRE_ISOLATED_NETWORK()                                                                 \
    do {                                                                                                   \
        if (!isolatedNetwork())                                                                            \
            QSKIP("broadcasts only inside the private network namespace (run through scripts/in-netns.sh)"); \
    } while (false)
