#pragma once
// The libraries loaded as the document, the view and a renderer are made, in the order they
// always were (a library's own start-up runs then, not at its first drawing).

// What the document and the view tell the user when Dovanne cannot be loaded.
inline constexpr const char* kDovanneMissingMessage =
    "Can't load Dovanne.dll. The dynamic link library must be in the folder of the program (libdovanne.so).";

// Dovanne and TOVENDLG, telling the user when Dovanne is missing, then Pelmora.
void LoadDocumentLibraries();

// Dovanne and Surrick, telling the user when Dovanne is missing, then Ombrisk.
void LoadViewLibraries();

// Dovanne, Surrick and Ombrisk, without a word: a drawing skips what is missing.
void LoadRendererLibraries();
