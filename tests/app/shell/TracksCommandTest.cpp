// The tracks command as a user chooses it from the Mapping menu: the track dialog, then the sheet
// where the track starts with the track drawn in its pen, for each logger's kind of file.
#include "MainWindowFixture.h"

#include "platform/sys/ProfileStore.h"
#include "platform/text/Cp932.h"
#include "platform/ui/DialogDriver.h"
#include "tests/app/doc/DocumentTestSupport.h"
#include "tests/userdata/TrackFixtures.h"
#include "userdata/InfoFileListDialog.h"
#include "userdata/TrackFilesDialog.h"

#include <gtest/gtest.h>

namespace {

constexpr int kTracksCommand = 33251;

// The pixels in the first track's pen (blue) that the map without the track does not have
// (its rivers are blue too), and how far apart they lie.
struct PenPixels {
    int count = 0;
    QRect bounds;
};

PenPixels TrackPenPixels(const QImage& withTrack, const QImage& without)
{
    PenPixels pixels;
    const QRgb pen = qRgb(0, 0, 255);
    for (int y = 0; y < withTrack.height(); ++y)
        for (int x = 0; x < withTrack.width(); ++x)
            if (withTrack.pixel(x, y) == pen && without.pixel(x, y) != pen) {
                ++pixels.count;
                pixels.bounds |= QRect(x, y, 1, 1);
            }
    return pixels;
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += vd::utf8ToCp932(line) + "\r\n";
    return bytes;
}

TEST(TracksCommand, EachKindOpensItsStartSheetAndIsDrawn)
{
    using namespace trackfixture;
    MainWindow w;
    ASSERT_TRUE(w.start());
    CVeldoranDoc& doc = w.doc();
    const std::pair<const char*, std::vector<std::string>> kinds[] = {
        {"walk.trk", TrkDm()}, {"walk.pot", Pot()}, {"walk.rot", Rot()}, {"walk.log", Log()}};
    vd::ProfileStore profile;
    for (const auto& [name, lines] : kinds) {
        SCOPED_TRACE(name);
        doctest::WriteBytes(doctest::Home() / "gpslog" / name, Lines(lines));
        profile.writeString("TrackList", "Track1", vd::applicationFolder() + "gpslog\\" + name);
        doc.m_strMapName = "京都及大阪  ";
        w.run.script->answerDialog(CDlgTrackFiles::IDD, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
        ASSERT_TRUE(ChooseFromMenuBar(w.bar(), kTracksCommand));
        ASSERT_TRUE(waitFor([&doc] { return doc.m_strMapName.starts_with("東京"); }));
        ASSERT_TRUE(w.waitUntilMapShown());
        const QImage withTrack = w.shown();

        // "すべて取消" takes the tracks off again and shows the same sheet.
        w.run.script->answerDialog(CDlgTrackFiles::IDD,
                                   [](vd::DialogDriver& d) { d.click(trackfilesids::IDC_CLEAR_ALL); });
        ASSERT_TRUE(ChooseFromMenuBar(w.bar(), kTracksCommand));
        ASSERT_TRUE(waitFor([&doc] { return doc.tracks.m_strTrackFile.empty(); }));
        ASSERT_TRUE(w.waitUntilMapShown());
        EXPECT_TRUE(doc.m_strMapName.starts_with("東京"));
        const QImage without = w.shown();

        // The route and its title, a few minutes of arc north of the palace: in the centre block
        // of the 3 x 3 frame (x 207-404, y 190-350 for a view of this size), the line itself
        // about 0.77 of the block's width across, 0.5 of its height up.
        const PenPixels drawn = TrackPenPixels(withTrack, without);
        EXPECT_GT(drawn.count, 20);
        EXPECT_TRUE(QRect(300, 230, 120, 70).contains(drawn.bounds))
            << drawn.bounds.left() << "," << drawn.bounds.top();
        EXPECT_GT(TrackPenPixels(withTrack.copy(348, 250, 20, 36), without.copy(348, 250, 20, 36)).count, 5);
    }
}

TEST(TracksCommand, CancelTheMapShownAMapOffAndAnUnreadableStart)
{
    using namespace trackfixture;
    MainWindow w;
    ASSERT_TRUE(w.start());
    CVeldoranDoc& doc = w.doc();
    const std::string startMap = doc.m_strMapName;
    doctest::WriteBytes(doctest::Home() / "gpslog" / "walk.log", Lines(Log()));
    doctest::WriteBytes(doctest::Home() / "gpslog" / "junk.trk", Lines(WithPoints(PcxHeader("DM"), {"T  N3x"})));
    vd::ProfileStore profile;
    profile.writeString("TrackList", "Track1", vd::applicationFolder() + "gpslog\\walk.log");
    profile.writeString("TrackList", "Track2", vd::applicationFolder() + "gpslog\\junk.trk");
    const auto choose = [&](vd::ui::Script::DialogActions actions) {
        w.run.script->answerDialog(CDlgTrackFiles::IDD, std::move(actions));
        const std::size_t dialogs = w.run.script->dialogsRun().size();
        ASSERT_TRUE(ChooseFromMenuBar(w.bar(), kTracksCommand));
        // The menu runs the command once it has closed.
        ASSERT_TRUE(waitFor([&] { return w.run.script->dialogsRun().size() > dialogs; }));
        ASSERT_TRUE(w.waitUntilMapShown());
    };

    const std::string layerWord = doc.repaint.m_strLayerWord;
    // Cancel changes nothing.
    choose([](vd::DialogDriver& d) { d.click(trackfilesids::IDC_CANCEL); });
    EXPECT_TRUE(doc.tracks.m_strTrackFile.empty());
    EXPECT_EQ(doc.tracks.m_nTrackDisplay, 0);
    // Tracks not shown: the settings are kept, the map stays.
    choose([](vd::DialogDriver& d) {
        d.click(trackfilesids::IDC_SHOW_TRACKS);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc.tracks.m_nTrackDisplay, 0);
    EXPECT_EQ(doc.repaint.m_strLayerWord, layerWord);
    EXPECT_EQ(doc.m_strMapName, startMap);
    // "表示中の地図": the map shown is drawn again, now with the track.
    choose([](vd::DialogDriver& d) {
        d.click(trackfilesids::IDC_MAP_SHOWN);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc.tracks.m_nTrackDisplay, 1);
    EXPECT_EQ(doc.tracks.m_strTrackStartMap, "NOW");
    EXPECT_EQ(doc.m_strMapName, startMap);
    // A start point without numbers gives no sheet: the map stays.
    choose([](vd::DialogDriver& d) {
        d.click(trackfilesids::IDC_START_MAP);
        d.selectCombo(trackfilesids::IDC_FILE_COMBO, 1);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc.tracks.m_strTrackFile, vd::applicationFolder() + "gpslog\\junk.trk");
    EXPECT_EQ(doc.tracks.m_astrWork50A[0], "");
    EXPECT_EQ(doc.tracks.m_astrWork50A[1], "");
    EXPECT_EQ(doc.m_strMapName, startMap);
    EXPECT_EQ(doc.tracks.m_nTrackCurrent, 1);
}

} // namespace

namespace {

// A new user's way: the bundled sample track registered through "登録" of the track dialog, then
// OK, from the start sheet in each frame: the sheet where the track starts (東京), not the whole
// country.
TEST(TracksCommand, TheSampleTrackRegisteredThenOkOpensItsStartSheet)
{
    for (const char* frame : {"", "1×1", "5×5"}) {
        SCOPED_TRACE(frame);
        MainWindow w;
        ASSERT_TRUE(w.start());
        CVeldoranDoc& doc = w.doc();
        if (*frame)
            ASSERT_TRUE(ClickViewButton(w.viewWidget(), frame) && w.waitUntilMapShown());
        w.run.script->answerFileDialog(vd::applicationFolder() + "TRACK\\sample.trk");
        w.run.script->answerDialog(CDlgInfoFileList::IDD, [](vd::DialogDriver& d) {
            d.click(infofilelistids::IDC_FILE_BUTTON);
            d.click(vd::IDOK);
        });
        bool answered = false;
        w.run.script->answerDialog(CDlgTrackFiles::IDD, [&](vd::DialogDriver& d) {
            d.click(trackfilesids::IDC_REGISTER);
            d.click(vd::IDOK);
            answered = true;
        });
        ASSERT_TRUE(ChooseFromMenuBar(w.bar(), kTracksCommand));
        ASSERT_TRUE(waitFor([&] { return answered; }));
        ASSERT_TRUE(waitFor([&doc] { return doc.m_strMapName.starts_with("東京"); })) << doc.m_strMapName;
        ASSERT_TRUE(w.waitUntilMapShown());
        EXPECT_EQ(doc.tracks.m_nTrackDisplay, 1);
        EXPECT_EQ(doc.position.m_nMapType, 1) << "a sheet, not the whole country";
    }
}

} // namespace
