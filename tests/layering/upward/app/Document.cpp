// A document that reaches up into the view: the layering check must refuse it.
#include "view/window/VeldoranView.h"
