// The find-place dialog's lists: the bytes become a municipality polygon file of the CITYPLGN
// folder and a site-name file, which the view reads as it does for 市区町村を探す and 地点を探す;
// the dialog lists both in every region form and picks each listed entry.
#include "fuzz/support/FuzzScratch.h"
#include "platform/ui/Controls.h"
#include "view/findplace/FindPlaceDialog.h"
#include "view/findplace/FindPlaceLists.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    vd::fuzz::writeApplicationFile("Fuzz/city/CITYPLGN/Pg01.dat", data, size);
    const std::string sites = vd::fuzz::writeApplicationFile("Fuzz/sites.txt", data, size);

    std::vector<std::string> places;
    AppendPlaceLines(sites, 4999, places);
    places.push_back("999");
    const std::vector<std::string> municipalities =
        ReadMunicipalityList(vd::fuzz::applicationFolderWin() + "Fuzz\\city\\");

    // One window for the run: a window an input would grow the process by its widgets' caches.
    static CDlgFindPlace* const dialog = [] {
        auto* d = new CDlgFindPlace(nullptr);
        d->Create();
        return d;
    }();
    for (int mode : {1, 3}) {
        dialog->m_astrRecord = mode == 3 ? municipalities : places;
        dialog->m_nPlaceMode = mode;
        // A region with a search text, then the whole country, whose list is picked from.
        dialog->m_strRegion = "近畿中部";
        dialog->m_strSearch = "区";
        dialog->FillList();
        dialog->m_strRegion = "全国";
        dialog->m_strSearch.clear();
        dialog->FillList();
        for (int i = 0; i < dialog->m_nCount && i < 50; ++i)
            dialog->PickEntry(i);
    }
    return 0;
}
