#pragma once
// The module name under which Dovanne registers its geology dialog templates and which its
// geology entry points make current for their call.
inline constexpr const char* kDovanneModule = "Dovanne";
