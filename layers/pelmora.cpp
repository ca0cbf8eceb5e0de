// Pelmora: the national-land layers (drawing, and the settings dialogs of point, line, surface and mesh themes).
// The library has no start-up or shut-down work of its own: loading it builds and reads nothing,
// all of its work happens inside its exported entry points.

#include "contracts/pelmora.h"
