#pragma once
// The module name under which Pelmora registers its dialog templates and which its dialog entry
// points make current for their call.
inline constexpr const char* kPelmoraModule = "Pelmora";
