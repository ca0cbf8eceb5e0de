// A fresh install finds its municipalities: without a stored boundary folder the document uses the
// application folder, seeded with the bundled CityPlgn\, and 市区町村を探す lists the 215
// municipalities of prefectures 25-29 from the files' ledgers.
#include "MapViewFixture.h"

#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/Controls.h"
#include "view/findplace/FindPlaceDialog.h"

#include <set>

namespace {

class BundledMunicipalities : public viewtest::MapView {
protected:
    void SetUp() override
    {
        vd::seedFolder(VD_SAMPLE_DATA_DIR, vd::applicationFolderPath());
        MapView::SetUp();
        PastFirstPaint();
    }
};

} // namespace

TEST_F(BundledMunicipalities, AFreshInstallListsTheMunicipalitiesOfTheFivePrefectures)
{
    EXPECT_EQ(doc->folders.m_strCityBorderDir, vd::applicationFolder());
    doc->position.m_strDistrict = "全国";
    ASSERT_TRUE(view->routeCommand(ID_FIND_MUNICIPALITY));
    const std::vector<std::string>& records = view->m_pDlgFindPlace->m_astrRecord;
    ASSERT_EQ(records.size(), 216u);
    EXPECT_EQ(records.back(), "999");
    std::set<std::string> codes, prefectures;
    for (std::size_t i = 0; i + 1 < records.size(); ++i) {
        codes.insert(records[i].substr(40, 5));
        prefectures.insert(records[i].substr(40, 2));
    }
    EXPECT_EQ(codes.size(), 215u);
    EXPECT_EQ(prefectures, (std::set<std::string>{"25", "26", "27", "28", "29"}));

    auto* list = view->m_pDlgFindPlace->item<vd::ListBox>(findplaceids::IDC_LIST);
    ASSERT_NE(list, nullptr);
    std::set<std::string> entries;
    for (int i = 0; i < list->GetCount(); ++i)
        entries.insert(list->GetText(i));
    EXPECT_EQ(list->GetCount(), 215);
    EXPECT_EQ(entries.size(), 214u) << "太子町 in Osaka and in Hyogo";
    EXPECT_TRUE(entries.contains("大津市")) << "no county: the municipality alone";
    EXPECT_TRUE(entries.contains("京都市北区"));
}
