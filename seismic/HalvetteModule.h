#pragma once
// The module name under which Halvette registers its dialog templates and which its entry points
// make current for their call.
inline constexpr const char* kHalvetteModule = "Halvette";
