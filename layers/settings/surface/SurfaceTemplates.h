#pragma once
// The templates of the surface dialog: the container 135 and the pages 136, 148, 137 and 152.
#include "platform/ui/DialogTemplate.h"

#include <vector>

std::vector<vd::ui::DialogTemplate> SurfaceDialogTemplates();
