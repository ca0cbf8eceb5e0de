#include "app/libraries/LibraryLoading.h"

#include "app/libraries/DovanneExports.h"
#include "app/libraries/OmbriskExports.h"
#include "app/libraries/PelmoraExports.h"
#include "app/libraries/SurrickExports.h"
#include "app/libraries/TovendlgExports.h"
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
