#pragma once
// Private window messages of the map view.
#include "platform/ui/WinConstants.h"

// A modeless dialog of the view has ended: wParam 1 for OK, 2 for cancel or close. The view asks
// the dialog for its state rather than reading the parameters.
inline constexpr unsigned WM_VIEWDIALOGDONE = vd::WM_USER + 5;
