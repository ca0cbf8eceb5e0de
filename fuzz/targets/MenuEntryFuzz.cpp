// The entries of the user's text and picture menus and of the guide-map list, as the menu files
// give them: each line of the bytes becomes an entry; every entry is run from a text menu and a
// program menu, and opened as a guide map (its point file made in the scratch folder).
#include "fuzz/support/FuzzDocument.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/sys/ApplicationFolder.h"

#include <filesystem>

// The document is made before the first input (its start reads the profile and writes the
// default files).
void vd::fuzz::startTarget()
{
    (void)vd::fuzz::document();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CVeldoranDoc& doc = vd::fuzz::document();
    doc.repaint.m_fnUpdateAllViews = [] {};
    // Each input's guide maps go with it: kept, their point files made the folder ever larger
    // and every later input slower.
    std::error_code ignored;
    std::filesystem::remove_all(vd::applicationFolderPath() / "Fuzz" / "GUIDEMAP", ignored);
    const std::string appFolder = doc.folders.m_strAppDir;
    doc.folders.m_strAppDir = vd::fuzz::applicationFolderWin() + "Fuzz\\";
    doc.environment.m_strTextAppear = "Page"; // the text dialog would wait for a user
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t at = 0;
    for (int n = 0; n < 35 && at <= text.size(); ++n) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        const std::string entry = text.substr(at, end - at);
        at = end + 1;
        doc.menus.m_astrMenuBarEntry[std::size_t(n) * 8 + 2] = entry;
        doc.menus.m_astrMenuBarEntry[std::size_t(n) * 8 + 6] = entry;
        doc.RunMenuBarEntry(n, 2);
        doc.RunMenuBarEntry(n, 6);
        doc.ExpandAppPath(entry);
        doc.menus.m_astrGuideMap[std::size_t(n)] = entry;
        doc.OpenGuideMap(n);
    }
    doc.folders.m_strAppDir = appFolder;
    return 0;
}
