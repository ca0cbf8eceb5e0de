#pragma once
// The module name under which Surrick registers its dialog templates and which its entry points
// make current for their call.
inline constexpr const char* kSurrickModule = "Surrick";
