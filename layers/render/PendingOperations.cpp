// The layer operations whose themes are still to come: each is a member the entry points already
// choose and call, and draws nothing until its theme fills it in (then it leaves this file).
// Those with a result answer -1, as an operation that drew nothing does.
#include "layers/render/LayerRenderer.h"

// (None is pending now: every operation the entry points choose is built.)
