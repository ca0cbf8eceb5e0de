#pragma once
// Polls the event loop until the condition holds; false when it does not within the patience
// (only against a hung test, never a measure).
#include <QElapsedTimer>
#include <QTest>

#include <functional>

inline bool waitFor(const std::function<bool()>& condition, int patienceMs = 30000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > patienceMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}
