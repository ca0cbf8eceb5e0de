// Surrick's picture window of a registered point.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/pictures/PictureFit.h"
#include "municipal/pictures/PointPictureDialog.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" void OnDlgBmpShow(std::string path, std::string name, std::string textAndMode, int shade)
{
    try {
        vd::ui::ModuleScope module(kSurrickModule);
        CDlgPointPicture dialog;
        dialog.m_strPath = path;
        dialog.m_strName = name;
        dialog.m_nShade = shade;
        const surrick::PictureTextAndMode mode = surrick::SplitPictureTextAndMode(textAndMode);
        dialog.m_strText = mode.text;
        if (mode.position) {
            dialog.m_nMove = 1;
            dialog.m_nX = mode.position->x;
            dialog.m_nY = mode.position->y;
        }
        dialog.DoModal();
    } catch (...) {
        // A window that shows a picture answers nothing, so there is nothing to give back.
    }
}
