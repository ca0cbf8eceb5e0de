#pragma once
// Everything a dialog unit of the system includes, in one header (a candidate for a precompiled
// header of the modules' dialog units): dialogs, controls, data exchange, file dialogs, menus,
// the vd::ui seam and the template registry.
#include "platform/ui/CommandTarget.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Menu.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"
