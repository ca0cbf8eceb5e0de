#pragma once
// Polls the event loop until the condition holds; false when it does not within the patience
// (only against a hung test, never a measure). What is queued already runs before any sleep, and
// the sleeps between checks are short, so a wait costs what the program takes, not a fixed step.
#include <QElapsedTimer>
#include <QTest>

#include <functional>

inline bool waitFor(const std::function<bool()>& condition, int patienceMs = 30000)
{
    QElapsedTimer clock;
    clock.start();
    for (int pass = 0; !condition(); ++pass) {
        if (clock.elapsed() > patienceMs)
            return false;
        QTest::qWait(pass == 0 ? 0 : 1);
    }
    return true;
}
