// The find-a-place dialog driven as a user drives it: region buttons, the search text, a pick,
// the two check buttons, OK, Cancel and the close box, in its place-name and municipality modes.
#include "ViewTestSupport.h"

#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "view/findplace/FindPlaceDialog.h"
#include "view/window/ViewMessages.h"

#include <gtest/gtest.h>

namespace {

using namespace findplaceids;

// Stands in for the view: it hears the dialog's reports.
class OwnerStandIn : public vd::Dialog {
public:
    OwnerStandIn() : vd::Dialog(9311) {}
    std::intptr_t OnMessage(unsigned message, std::uintptr_t wParam, std::intptr_t) override
    {
        if (message == WM_VIEWDIALOGDONE)
            done.push_back(int(wParam));
        return 0;
    }
    std::vector<int> done;
};

// A municipality entry as the view builds it: columns 29-68 of the header record (municipality,
// place, longitude and latitude in tenths of an arc-second), then the code.
std::string MunicipalityRecord(const std::string& municipality, const std::string& place, int longitude,
                               int latitude, const std::string& code)
{
    return vd::utf8ToCp932(vd::cp932Pad(municipality, 12) + vd::cp932Pad(place, 12) +
                           vd::format(" %07d %07d", longitude, latitude) + code);
}

class FindPlace : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        vd::ui::DialogTemplate owner;
        owner.id = 9311;
        owner.controls = {vd::ui::ltext(vd::IDC_STATIC, "view")};
        vd::ui::registerTemplates(vd::ui::kProgramModule, {owner});
        ASSERT_TRUE(view.Create());
    }
    void Open(int mode, std::vector<std::string> records, const std::string& region = "全国")
    {
        dialog.m_astrRecord = std::move(records);
        dialog.m_nPlaceMode = mode;
        dialog.m_strRegion = region;
        dialog.m_nModelessState = 1;
        ASSERT_TRUE(dialog.Create());
        dialog.ShowWindow(vd::SW_SHOW);
    }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> entries;
        auto* list = dialog.item<vd::ListBox>(IDC_LIST);
        for (int i = 0; i < list->GetCount(); ++i)
            entries.push_back(list->GetText(i));
        return entries;
    }
    std::shared_ptr<vd::ui::Script> script;
    OwnerStandIn view;
    CDlgFindPlace dialog{&view};
};

const std::vector<std::string> kPlaces = {
    "札幌 43.0300 141.2100 北海道",
    "",
    "仙台 38.1600 140.5200",
    "京都 35.0100 135.4500 府庁",
    "大阪 34.4100 135.3000",
    "那覇 26.1300 127.4100",
    "999",
    "東京 35.4100 139.4500",
};

TEST_F(FindPlace, RegionsAndSearchTextNarrowTheListAndAPickShowsItsMeshCode)
{
    Open(1, kPlaces);
    vd::DialogDriver d(dialog);
    EXPECT_EQ(d.caption(), "  地点を探す");
    EXPECT_EQ(d.text(IDC_REGION), "全国");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"札幌", "仙台", "京都", "大阪", "那覇"}))
        << "empty records skipped, the list ends at 999";
    EXPECT_EQ(d.text(IDC_COUNT), "地点数=5");
    EXPECT_TRUE(d.isChecked(IDC_PLACES));

    d.click(IDC_KINKI_CHUBU); // longitude 134.0000 to 137.5000
    EXPECT_EQ(d.text(IDC_REGION), "近畿中部");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"京都", "大阪"}));
    d.click(IDC_HOKKAIDO); // latitude at least 41.2000
    EXPECT_EQ(Entries(), (std::vector<std::string>{"札幌"}));
    dialog.m_strFrameNorth = "35.2000";
    dialog.m_strFrameSouth = "34.4000";
    dialog.m_strFrameWest = "135.0000";
    dialog.m_strFrameEast = "136.0000";
    d.click(IDC_SCREEN_MAP);
    EXPECT_EQ(d.text(IDC_REGION), "表示地図");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"京都", "大阪"}));

    d.click(IDC_WHOLE_COUNTRY);
    d.setComboEditText(IDC_SEARCH, "府");
    d.click(IDC_SEARCH_BUTTON);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"京都"})) << "the whole line is searched";
    d.click(IDC_SEARCH_BUTTON);
    EXPECT_EQ(dialog.item<vd::ComboBox>(IDC_SEARCH)->GetCount(), 1) << "a search text is kept once";

    d.selectList(IDC_LIST, 0);
    EXPECT_EQ(d.text(IDC_COUNT), "No.   3");
    EXPECT_EQ(d.text(IDC_NAME), "京都");
    EXPECT_EQ(d.text(IDC_LATITUDE), " 35.0100");
    EXPECT_EQ(d.text(IDC_LONGITUDE), "135.4500");
    EXPECT_EQ(d.text(IDC_MESH_CODE), "5235");
    EXPECT_EQ(dialog.m_strPickedRecord, "京都 35.0100 135.4500 府庁");

    d.click(vd::IDOK);
    EXPECT_TRUE(view.done.empty()) << "posted, not sent";
    vd::ui::processPendingEvents();
    EXPECT_EQ(view.done, (std::vector<int>{1}));
    EXPECT_EQ(dialog.m_nModelessState, 2);
    d.pressEscape();
    vd::ui::processPendingEvents();
    EXPECT_EQ(dialog.m_nModelessState, -2);
    d.closeBox();
    vd::ui::processPendingEvents();
    EXPECT_EQ(dialog.m_nModelessState, 3);
    EXPECT_EQ(view.done, (std::vector<int>{1, 2, 2}));
}

TEST_F(FindPlace, ACountAbove9999IsShownShort)
{
    std::vector<std::string> records(10000, "点 35.0000 135.0000");
    records.push_back("999");
    Open(1, records);
    EXPECT_EQ(vd::DialogDriver(dialog).text(IDC_COUNT), "地点=10000");
}

TEST_F(FindPlace, TheCheckButtonsKeepOneKindShown)
{
    Open(1, kPlaces);
    vd::DialogDriver d(dialog);
    // 地点 off in mode 1: registered points come on, so something stays shown.
    d.click(IDC_PLACES);
    EXPECT_EQ(dialog.m_nPlaceMode, 0);
    EXPECT_EQ(dialog.m_bShowRegistered, 1);
    EXPECT_FALSE(d.isChecked(IDC_PLACES));
    EXPECT_TRUE(d.isChecked(IDC_REGISTERED));
    // 登録地点 off in mode 0: place names come back.
    d.click(IDC_REGISTERED);
    EXPECT_EQ(dialog.m_nPlaceMode, 1);
    EXPECT_EQ(dialog.m_bShowRegistered, 0);
    EXPECT_TRUE(d.isChecked(IDC_PLACES));
    EXPECT_FALSE(d.isChecked(IDC_REGISTERED));
    d.click(IDC_REGISTERED);
    EXPECT_EQ(dialog.m_bShowRegistered, 1);
    vd::ui::processPendingEvents();
    EXPECT_EQ(view.done, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(dialog.m_nModelessState, 2);
}

TEST_F(FindPlace, SearchResultsKeepTheirKind)
{
    dialog.m_bShowRegistered = 1;
    Open(2, kPlaces);
    vd::DialogDriver d(dialog);
    EXPECT_TRUE(d.isChecked(IDC_PLACES));
    EXPECT_FALSE(d.isChecked(IDC_REGISTERED));
    d.click(IDC_PLACES);
    d.click(IDC_REGISTERED);
    EXPECT_TRUE(d.isChecked(IDC_PLACES));
    EXPECT_FALSE(d.isChecked(IDC_REGISTERED));
    EXPECT_EQ(dialog.m_nPlaceMode, 2);
    vd::ui::processPendingEvents();
    EXPECT_TRUE(view.done.empty());
}

TEST_F(FindPlace, MunicipalitiesPutTheirNameBeforeAWardAndCompareBoundsAsAngles)
{
    // 137°40'E lies inside 近畿中部 (east bound 137°50'); read as 137.5 degrees it would not.
    Open(3, {MunicipalityRecord("名古屋市", "中区", 4956000, 1260000, "23106"),
             MunicipalityRecord("京都市", "区役所前", 4860000, 1260000, "26100"),
             MunicipalityRecord("札幌市", "札幌", 5080000, 1550000, "01100"),
             "",
             "short",
             "999",
             MunicipalityRecord("那覇市", "那覇", 4590000, 940000, "47201")},
         "近畿中部");
    vd::DialogDriver d(dialog);
    EXPECT_EQ(d.text(IDC_PLACES), "") << "no check captions for municipalities";
    EXPECT_EQ(Entries(), (std::vector<std::string>{"名古屋市中区", "区役所前"}));
    d.click(IDC_WHOLE_COUNTRY);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"名古屋市中区", "区役所前", "札幌", ""}))
        << "a record too short for its columns gives an empty entry";
    d.click(IDC_KINKI_CHUBU);
    d.click(IDC_KINKI_CHUBU);
    EXPECT_EQ(Entries().size(), 2u) << "the bounds are converted afresh, not twice";

    d.selectList(IDC_LIST, 0);
    EXPECT_EQ(d.text(IDC_NAME), "中区");
    EXPECT_EQ(dialog.m_strPickedCode, "23106");
    EXPECT_EQ(d.text(IDC_LATITUDE), " 35.0000");
    EXPECT_EQ(d.text(IDC_LONGITUDE), "137.4000");
    EXPECT_EQ(d.text(IDC_MESH_CODE), "5237");

    d.setComboEditText(IDC_SEARCH, "札幌");
    d.click(IDC_WHOLE_COUNTRY);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"札幌"})) << "a region button reads the search text";
}

TEST(FindPlaceCodes, MeshCodesAndTenthsOfASecond)
{
    EXPECT_EQ(MeshCodeOfDms("34.4000", "135.0000"), "5235");
    EXPECT_EQ(MeshCodeOfDms("35.3959", "139.5959"), "5339");
    EXPECT_EQ(MeshCodeOfDms("", ""), " 0-100") << "an empty pick yields no sheet, and no crash";
    EXPECT_EQ(TenthSecondsToDms(1250000), "34.4320");
    EXPECT_EQ(TenthSecondsToDms(4860009), "135.0000");
}

} // namespace
