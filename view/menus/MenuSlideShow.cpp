#include "view/menus/MenuSlideShow.h"

#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/TovendlgExports.h"
#include "contracts/tovendlg.h"
#include "platform/text/Numbers.h"
#include "view/menubars/MenuListFiles.h"
#include "view/navigation/ViewNavigation.h"
#include "view/pages/ViewPages.h"
#include "view/window/VeldoranView.h"

#include <algorithm>

namespace {

// The answer's integer fields: the eight menu flags, one unused, "something chosen", the interval.
constexpr int kAnswerFields = 11;
constexpr int kChosenField = 9;
constexpr int kIntervalField = 10;
// What the pointer does while the slide show plays.
constexpr int kSlideShowMouseMode = 200;
// The view buttons of album play.
constexpr int kAlbumButtonGroup = 1;

} // namespace

std::vector<std::string> MenuSlideShowPages(const std::string& menuFile, const std::array<int, 8>& chosen)
{
    std::vector<std::string> pages;
    const auto menus = readItemMenuLists(menuFile);
    for (std::size_t m = 0; m < menus.size() && m < chosen.size(); ++m) {
        if (chosen[m] != 1)
            continue;
        for (const MenuListItem& item : menus[m]) {
            const std::size_t at = item.stored.find('@');
            if (at == std::string::npos)
                continue;
            if (int(pages.size()) == kMostSlideShowPages)
                return pages;
            const std::string target = item.stored.substr(at + 1);
            pages.push_back(item.stored.substr(0, at) + " * * * " + target.substr(0, target.find('$')));
        }
    }
    return pages;
}

void OnMenuBarSlideShow(CVeldoranView& view)
{
    CVeldoranDoc& doc = *view.GetDocument();
    auto* settings = Tovendlg().OnDlgMenuBarSlideSet.fn;
    if (!settings)
        return;
    const std::string answer = settings(doc.folders.m_strAppDir, view.m_strPlayMode, view.m_nPageInterval);
    if (answer.empty())
        return;
    view.m_pPages->m_nPicOffsetX = 0;
    view.m_pPages->m_nPicOffsetY = 0;
    std::array<int, kAnswerFields> fields{};
    std::size_t start = 0;
    for (int& field : fields) {
        const std::size_t bar = answer.find('|', start);
        if (bar == std::string::npos)
            return; // a short answer chooses nothing
        field = vd::parseInt(answer.substr(start, bar - start));
        start = bar + 1;
    }
    view.m_nPageInterval = fields[kIntervalField];
    view.m_strPlayMode = answer.substr(start);
    if (fields[kChosenField] == -1)
        return;

    doc.environment.m_nPicturePosition = 1;
    doc.pointer.m_nMouseMode = kSlideShowMouseMode;
    view.m_nPageIndex = 0;
    view.m_pPages->m_nTextPage = 0;
    std::array<int, 8> chosen{};
    std::copy(fields.begin(), fields.begin() + 8, chosen.begin());
    view.m_pPages->SetAlbumPages(MenuSlideShowPages(doc.folders.m_strAppDir + "SOURCE\\MENUFILE.DAT", chosen));
    if (view.m_pPages->m_astrAlbumPage.empty())
        return;
    doc.repaint.m_bMapOnScreen = 0;
    doc.m_nMapDisplayMode = map_display::kAlbum;
    view.m_pNavigation->RemoveViewButtons(kAlbumButtonGroup);
    view.m_pNavigation->AddViewButtons(kAlbumButtonGroup);
    doc.entry.m_nPictureFit = 1;
    view.InvalidateView(true);
}
