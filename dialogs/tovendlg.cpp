// TOVENDLG: the dialog library (albums, routes, memos, lists, colour sets, searches, slide shows).
// The library has no start-up or shut-down work of its own: loading it builds and reads nothing,
// all of its work happens inside its exported entry points.

#include "contracts/tovendlg.h"
