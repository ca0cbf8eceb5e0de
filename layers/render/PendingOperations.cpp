// The layer operations whose themes are still to come: each is a member the entry points already
// choose and call, and draws nothing until its theme fills it in (then it leaves this file).
// Those with a result answer -1, as an operation that drew nothing does.
#include "layers/render/LayerRenderer.h"

// ---- To be filled by the whole-country ledger line themes
void CLayerRenderer::DrawLedgerLines(int, int) {}
