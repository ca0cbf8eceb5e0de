// Pelmora's export for choosing the line data sets drawn: shows the line-data settings dialog over
// the caller's settings (or the settings file), rewrites DddMFile.dat when a colour, name or file
// changed, and answers the 141 fields.
#include "contracts/pelmora.h"

#include "layers/settings/SettingsFileAccess.h"
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/PelmoraModule.h"
#include "layers/settings/linedata/LineDataAnswer.h"
#include "layers/settings/linedata/LineDataInputs.h"
#include "layers/settings/linedata/LineDataSetDialog.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

const vd::ui::TemplateRegistration registration(kPelmoraModule,
                                                {LineDataSetTemplate(), RoadRailTemplate(), DataATemplate(),
                                                 LowlandTemplate(), EnvironmentTemplate(), ConservationTemplate(),
                                                 FisheryTemplate(), DataBTemplate()});

constexpr int kAnswerInts = 1 + 2 * kLineDataEntries;

std::string RunLineDataDialog(const std::string& settingsFile, const std::string& settings,
                              const std::vector<std::string>& texts)
{
    vd::ui::ModuleScope module(kPelmoraModule);
    CDlgLineDataSet dialog;
    LineDataRowTexts rows = PlaceLineDataTexts(texts);
    const IntegerSettingsInput input = ParseIntegerSettingsInput(settings, kAnswerInts);
    LineDataInts colour{};
    const SettingsFileAccess access(settingsFile);
    if (input.fromSettingsFile && !ReadLineDataSettingsFile(settingsFile, rows.name, rows.file, colour))
        rows = {}; // no readable file: every row starts empty
    dialog.m_strSource = input.fromSettingsFile ? "-1" : "1";
    dialog.m_nCurrentTab = input.values[0];
    for (int tab = 1; tab <= kLineDataTabs; ++tab)
        for (int row = 1; row <= kLineDataRows; ++row) {
            const int entry = SlotEntry(tab, row);
            const int field = 1 + 2 * ((tab - 1) * kLineDataRows + (row - 1));
            dialog.m_nShow[entry] = input.values[field];
            dialog.m_nColour[entry] = input.fromSettingsFile ? colour[entry] : input.values[field + 1];
        }
    dialog.m_strName = rows.name;
    dialog.m_strFile = rows.file;
    dialog.m_bCallerMark = input.callerMark ? 1 : 0;

    const LineDataInts colourBefore = dialog.m_nColour;
    if (dialog.DoModal() != vd::IDOK)
        return {};
    const bool changed = dialog.m_nColour != colourBefore || dialog.m_strName != rows.name || dialog.m_strFile != rows.file;
    std::string answer = FormatLineDataAnswer(dialog.m_nCurrentTab, dialog.m_nShow, dialog.m_nColour,
                                              dialog.m_strName, dialog.m_strFile);
    if (changed)
        access.rewrite([&](const std::string& path) {
            return WriteLineDataSettingsFile(path, dialog.m_strName, dialog.m_strFile, dialog.m_nColour);
        });
    return answer;
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::string OnDlgDdSet(
    std::string settingsFile, std::string settings, std::string text2, std::string text3, std::string text4,
    std::string text5, std::string text6, std::string text7, std::string text8, std::string text9, std::string text10,
    std::string text11, std::string text12, std::string text13, std::string text14, std::string text15,
    std::string text16, std::string text17, std::string text18, std::string text19, std::string text20,
    std::string text21, std::string text22, std::string text23, std::string text24, std::string text25,
    std::string text26, std::string text27, std::string text28, std::string text29, std::string text30,
    std::string text31, std::string text32)
{
    try {
        const std::vector<std::string> texts = {
            text2,  text3,  text4,  text5,  text6,  text7,  text8,  text9,  text10, text11, text12,
            text13, text14, text15, text16, text17, text18, text19, text20, text21, text22, text23,
            text24, text25, text26, text27, text28, text29, text30, text31, text32};
        return RunLineDataDialog(settingsFile, settings, texts);
    } catch (...) {
        // Nothing crosses the library boundary; the caller keeps its settings as after Cancel.
        return {};
    }
}
