// Surrick's picture file dialog with preview.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/pictures/PicturePreviewDialog.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" std::string OnPictureFileDialog()
{
    try {
        vd::ui::ModuleScope module(kSurrickModule);
        CDlgPrevw dialog;
        dialog.m_nPictureKind = 2;
        // The dialog's final path: a name typed into the box counts as much as a selection.
        return dialog.DoModal() == vd::IDOK ? dialog.GetPathName() : std::string();
    } catch (...) {
        return {};
    }
}
