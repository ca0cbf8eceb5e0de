#include "app/libraries/LibraryLoading.h"

#include "contracts/bindings/DovanneExports.h"
#include "platform/ui/Ui.h"

void LoadDovanne()
{
    if (!Dovanne().loaded())
        vd::ui::AfxMessageBox(kDovanneMissingMessage, vd::MB_OK | vd::MB_ICONEXCLAMATION);
}
