// Halvette reaching into Pelmora's renderer: the layering check must refuse it.
#include "layers/render/LayerRenderer.h"
