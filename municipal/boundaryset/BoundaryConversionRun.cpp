#include "municipal/boundaryset/BoundaryConversionRun.h"

#include "municipal/boundaryset/ConversionPanel.h"
#include "municipal/conversion/FolderConversion.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/Ui.h"
#include "platform/ui/WaitCursor.h"

bool AskAndConvert(vd::Dc* dc, const std::string& folder, municipal::SourceTheme theme, const std::string& question)
{
    if (vd::ui::AfxMessageBox(question, vd::MB_YESNO) != vd::IDYES)
        return false;
    municipal::FolderConversionReport report;
    {
        vd::WaitCursor wait;
        if (!folder.empty()) {
            ConversionPanel panel(dc, theme == municipal::SourceTheme::AdministrativeArea ? "行政界・海岸線ファイル変換"
                                                                                          : "海岸線ファイル変換");
            report = municipal::ConvertSourceFolder(folder, theme, &panel);
            // The municipality folder becomes this one: the bundled borders go along with the
            // user's, so that converting one prefecture loses none of the others.
            if (theme == municipal::SourceTheme::AdministrativeArea && !report.stopped)
                report.bundledKept = municipal::KeepBundledFiles(
                    report.outputFolder, vd::applicationFolder() + std::string(municipal::ColumnsOf(theme).outputFolder) + "\\");
        } else {
            report = municipal::ConvertSourceFolder(folder, theme);
        }
    }
    // Stopped for the end of the program: nobody is left to read how far it came.
    if (!report.stopped)
        vd::ui::AfxMessageBox(municipal::ClosingMessage(report, theme), vd::MB_OK | vd::MB_ICONEXCLAMATION);
    return true;
}
