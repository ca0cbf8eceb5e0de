#pragma once
// What the stand-in libraries share: the log of the calls they receive, which the test reads
// through an accessor each exports, and the text of a float argument in it. Internal linkage, so
// every stand-in loaded in one process keeps a log of its own.
#include <cstdio>
#include <string>

namespace {

inline std::string& Log()
{
    static std::string log;
    return log;
}

// A float as "%.9g": enough digits to tell every float apart.
inline std::string F(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

} // namespace
