// A hand-edited profile at start: values the program cannot use are replaced before the first
// repaint draws the last map with them.
#include "MapViewFixture.h"

#include "platform/sys/ProfileStore.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Ui.h"

namespace {

struct ProfileCase {
    const char* section;
    const char* key;
    const char* stored; // text as the user typed it
};

class MapViewOfEditedProfile : public viewtest::MapView, public ::testing::WithParamInterface<ProfileCase> {
protected:
    void BeforeDocument() override
    {
        vd::ProfileStore profile;
        profile.writeString("System", "StartWhiteMap", "on");
        profile.writeString("LastData", "MapName", "京都及大阪");
        profile.writeInt("LastData", "MapFrame", 2);
        profile.writeString(GetParam().section, GetParam().key, GetParam().stored);
    }

    // The real path: the frame shown, Qt's paint runs the first repaint.
    void FirstPaint()
    {
        frame->MoveWindow(0, 0, 820, 640);
        frame->ShowWindow(vd::SW_SHOW);
        for (int i = 0; i < 3; ++i) {
            vd::ui::processPendingEvents();
            vd::captureWindow(*view);
        }
        frame->ShowWindow(vd::SW_HIDE);
    }
};

TEST_P(MapViewOfEditedProfile, StartsOnAMapItCanDraw)
{
    FirstPaint();
    EXPECT_EQ(view->m_nFirstPaint, 10);
    EXPECT_TRUE(doc->position.m_nMapMode == 9 || doc->position.m_nMapMode == 25 || doc->position.m_nMapMode == 49)
        << doc->position.m_nMapMode;
    EXPECT_TRUE(doc->position.m_nMapFrame >= 1 && doc->position.m_nMapFrame <= 3) << doc->position.m_nMapFrame;
    EXPECT_EQ(doc->m_strMapName, "京都及大阪");
    EXPECT_EQ(doc->m_astrMapEntry[2].rfind("34.4000", 0), 0u) << doc->m_astrMapEntry[2];
}

INSTANTIATE_TEST_SUITE_P(, MapViewOfEditedProfile, ::testing::Values(
    ProfileCase{"LastData", "MapMode", "-1"}, ProfileCase{"LastData", "MapMode", "0"},
    ProfileCase{"LastData", "MapMode", "100"}, ProfileCase{"LastData", "MapMode", "-2147483648"},
    ProfileCase{"LastData", "MapMode", "2147483647"}, ProfileCase{"LastData", "MapFrame", "0"},
    ProfileCase{"LastData", "MapFrame", "-7"}, ProfileCase{"LastData", "MapName", ""},
    ProfileCase{"System", "MapName", ""}, ProfileCase{"System", "StartWhiteMap", "off"},
    ProfileCase{"System", "MapFrame", "99"}, ProfileCase{"System", "SymbolSize", "2147483647"},
    ProfileCase{"LastData", "CstlnColor", "-2147483648"}, ProfileCase{"LastData", "MapBoundary", "2147483647"}),
    [](const ::testing::TestParamInfo<ProfileCase>& info) {
        return std::string(info.param.section) + info.param.key + std::to_string(info.index);
    });

} // namespace
