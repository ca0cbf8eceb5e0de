#pragma once
// The templates of the industry-statistics mesh dialog: the container 247, the pages 248, 249 and
// 250, and the item-name dialog 144.
#include "platform/ui/DialogTemplate.h"

#include <vector>

std::vector<vd::ui::DialogTemplate> IndustryMeshDialogTemplates();
