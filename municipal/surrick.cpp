// Surrick: municipalities, prefecture maps, statistics maps, datum conversion and pictures.
// The library has no start-up or shut-down work of its own: loading it builds and reads nothing,
// all of its work happens inside its exported entry points.

#include "contracts/surrick.h"
