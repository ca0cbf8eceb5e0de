// TOVENDLG: the dialog library (albums, routes, memos, lists, colour sets, searches, slide shows).
// The library has no start-up or shut-down work of its own: loading it builds and reads nothing,
// all of its work happens inside its exported entry points. Each entry point (beside its dialog
// in this folder) runs one modal dialog with the library's module current (DialogLibraryApp.h),
// answers after it closes and keeps nothing for the next call.

#include "contracts/tovendlg.h"
