#include "platform/ui/WaitCursor.h"

#include "platform/ui/Ui.h"

namespace vd {

WaitCursor::WaitCursor()
{
    ui::backend().waitCursor(true);
}

WaitCursor::~WaitCursor()
{
    ui::backend().waitCursor(false);
}

} // namespace vd
