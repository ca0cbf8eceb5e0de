// Dovanne: the base map, projections, tracks, and the geology mesh layer.
// The library has no start-up or shut-down work of its own: loading it builds and reads nothing,
// all of its work happens inside its exported entry points.
#include "contracts/dovanne.h"
