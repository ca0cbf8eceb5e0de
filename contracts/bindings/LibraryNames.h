#pragma once
// The six libraries the program loads, by the one name each is asked for under (the loader maps
// any spelling to lib<lower-case stem>.so; the program spells each one way).
inline constexpr const char* kPelmoraLibrary = "Pelmora.DLL";
inline constexpr const char* kSurrickLibrary = "SURRICK.DLL";
inline constexpr const char* kDovanneLibrary = "Dovanne.dll";
inline constexpr const char* kTovendlgLibrary = "TOVENDLG.DLL";
inline constexpr const char* kHalvetteLibrary = "Halvette.DLL";
inline constexpr const char* kOmbriskLibrary = "Ombrisk.dll";
