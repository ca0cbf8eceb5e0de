#include "app/libraries/LibraryLoading.h"

#include "contracts/bindings/DovanneExports.h"
#include "contracts/bindings/OmbriskExports.h"
#include "contracts/bindings/PelmoraExports.h"
#include "contracts/bindings/SurrickExports.h"
#include "contracts/bindings/TovendlgExports.h"
#include "platform/ui/Ui.h"

namespace {

void ReportMissingDovanne()
{
    vd::ui::AfxMessageBox(kDovanneMissingMessage, vd::MB_OK | vd::MB_ICONEXCLAMATION);
}

} // namespace

void LoadDocumentLibraries()
{
    const bool dovanne = Dovanne().loaded();
    Tovendlg();
    if (!dovanne)
        ReportMissingDovanne();
    Pelmora();
}

void LoadViewLibraries()
{
    const bool dovanne = Dovanne().loaded();
    Surrick();
    if (!dovanne)
        ReportMissingDovanne();
    Ombrisk();
}

void LoadRendererLibraries()
{
    Dovanne();
    Surrick();
    Ombrisk();
}
