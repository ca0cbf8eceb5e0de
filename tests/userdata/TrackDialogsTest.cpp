// The track file dialog and the information file list as the user drives them from the
// document's track command: the settings copied in and back, the chosen tracks, the interval
// buttons, and the registered files added and removed.
#include "TrackFixtures.h"
#include "UserDataTestSupport.h"

#include "platform/sys/ProfileStore.h"
#include "platform/text/StringOps.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"
#include "userdata/InfoFileListDialog.h"
#include "userdata/TrackFilesDialog.h"

#include <gtest/gtest.h>

namespace {

using namespace userdatatest;

class TrackDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc = MakeDocument();
        script = vd::ui::Script::install();
    }
    // Writes the files and registers them as Track1, Track2, ...
    std::vector<std::string> Register(const std::vector<std::pair<std::string, std::vector<std::string>>>& files)
    {
        std::vector<std::string> paths;
        vd::ProfileStore profile;
        for (const auto& [name, lines] : files) {
            const Fixture fixture = WriteFixture(name, Cp932Lines(lines));
            paths.push_back(fixture.winPath);
            profile.writeString("TrackList", "Track" + std::to_string(paths.size()), fixture.winPath);
        }
        return paths;
    }
    std::vector<std::string> FourTracks()
    {
        using namespace trackfixture;
        return Register({{"a.trk", TrkDm()}, {"b.pot", Pot()}, {"c.rot", Rot()}, {"d.log", Log()}});
    }
    static std::vector<std::string> Keys(const std::string& section, const std::string& prefix, int last)
    {
        std::vector<std::string> values;
        const vd::ProfileStore profile;
        for (int i = 1; i <= last; ++i)
            values.push_back(profile.getString(section, prefix + std::to_string(i)));
        return values;
    }
    static std::vector<std::string> ListEntries(vd::DialogDriver& d)
    {
        auto* list = d.dialog().item<vd::ListBox>(trackfilesids::IDC_CHOSEN_LIST);
        std::vector<std::string> entries;
        for (int i = 0; i < list->GetCount(); ++i)
            entries.push_back(list->GetText(i));
        return entries;
    }
    void Choose(std::initializer_list<int> numbers, std::initializer_list<const char*> titles)
    {
        std::size_t i = 0;
        for (int n : numbers)
            doc->tracks.m_anTrackSelected[i++] = n;
        i = 0;
        for (const char* title : titles)
            doc->tracks.m_astrTrackHistory[i++] = title;
        doc->tracks.m_nTrackTitleCount = int(titles.size());
        doc->tracks.m_astrTrackHistory[i] = "999";
        doc->tracks.m_bTrackList = 1;
    }
    std::vector<int> Chosen() const
    {
        std::vector<int> numbers;
        for (int n : doc->tracks.m_anTrackSelected) {
            if (n == -1)
                break;
            numbers.push_back(n);
        }
        return numbers;
    }

    std::unique_ptr<CVeldoranDoc> doc;
    std::shared_ptr<vd::ui::Script> script;
};

TEST_F(TrackDialogs, SettingsGoInAndAPickedTrackIsAppended)
{
    const auto paths = FourTracks();
    doc->tracks.m_strTrackFile = paths[0];
    doc->tracks.m_nTrackDisplay = 1;
    doc->tracks.m_nTrackCurrent = 0;
    doc->tracks.m_bTrackScaleShown = 1;
    doc->tracks.m_nTrackScaleKm = 5;
    doc->tracks.m_strTrackStartMap = "NOW";
    Choose({0, 3}, {"朝", "夕"});
    script->answerDialog(CDlgTrackFiles::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "   トラックファイル の登録・選択");
        EXPECT_TRUE(d.isChecked(trackfilesids::IDC_SHOW_TRACKS));
        EXPECT_TRUE(d.isChecked(trackfilesids::IDC_MAP_SHOWN));
        EXPECT_TRUE(d.isChecked(trackfilesids::IDC_SCALE_SHOWN));
        EXPECT_EQ(d.text(trackfilesids::IDC_INTERVAL), " 5km");
        EXPECT_EQ(ListEntries(d), (std::vector<std::string>{" 皇居から上野", "ログ4"}));
        EXPECT_EQ(d.text(trackfilesids::IDC_CHOSEN_COUNT), "    2");
        // The last chosen file described under the current file's number.
        EXPECT_EQ(d.text(trackfilesids::IDC_TITLE), "ログ1");
        EXPECT_EQ(d.text(trackfilesids::IDC_FILE_COUNT), "  No=1/4");
        d.selectCombo(trackfilesids::IDC_FILE_COMBO, 1);
        EXPECT_EQ(d.text(trackfilesids::IDC_TITLE), "POTﾄﾗｯｸ2");
        EXPECT_EQ(d.text(trackfilesids::IDC_DATUM), "WGS-84");
        EXPECT_EQ(d.text(trackfilesids::IDC_DATE), "10-DEC-26");
        EXPECT_EQ(d.text(trackfilesids::IDC_START_POINT), "35,40,52,139,46,01");
        EXPECT_EQ(d.text(trackfilesids::IDC_FORMAT), "D'M'S");
        EXPECT_EQ(d.text(trackfilesids::IDC_FILE_COUNT), "  No=2/4");
        d.click(trackfilesids::IDC_START_MAP);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->RunTrackDialog(), 1);
    EXPECT_EQ(doc->repaint.m_bDialogOpen, 0);
    EXPECT_EQ(doc->tracks.m_strTrackFile, paths[1]);
    EXPECT_EQ(doc->m_strTrackKind, "pot");
    EXPECT_EQ(doc->m_strTrackFormat, "D'M'S");
    EXPECT_EQ(doc->tracks.m_strTrackStartPoint, "35,40,52,139,46,01");
    EXPECT_EQ(doc->tracks.m_strTrackStartMap, "START");
    EXPECT_EQ(doc->tracks.m_nTrackCurrent, 1);
    EXPECT_EQ(Chosen(), (std::vector<int>{0, 3, 1}));
    EXPECT_EQ(doc->tracks.m_astrTrackHistory[2], "POTﾄﾗｯｸ2");
    EXPECT_EQ(doc->tracks.m_astrTrackHistory[3], "999");
    EXPECT_EQ(doc->tracks.m_nTrackTitleCount, 3);
    EXPECT_EQ(doc->tracks.m_nTrackSelectedPos, 3);
    EXPECT_EQ(doc->tracks.m_bTrackList, 1);
}

TEST_F(TrackDialogs, TheEndsOfTheDialog)
{
    const auto paths = FourTracks();
    doc->tracks.m_strTrackFile = paths[2];
    doc->tracks.m_nTrackCurrent = 2;
    Choose({2, 0}, {"R", "T"});
    doc->tracks.m_nTrackSelectedPos = 1;
    // Cancel changes nothing.
    script->answerDialog(CDlgTrackFiles::IDD, [](vd::DialogDriver& d) {
        d.selectCombo(trackfilesids::IDC_FILE_COMBO, 3);
        d.click(trackfilesids::IDC_CANCEL);
    });
    EXPECT_EQ(doc->RunTrackDialog(), -1);
    EXPECT_EQ(doc->tracks.m_strTrackFile, paths[2]);
    EXPECT_EQ(doc->tracks.m_nTrackCurrent, 2);
    EXPECT_EQ(doc->repaint.m_bDialogOpen, 0);
    // A chosen track picked from the list: the same current track takes the new position.
    script->answerDialog(CDlgTrackFiles::IDD, [](vd::DialogDriver& d) {
        d.selectList(trackfilesids::IDC_CHOSEN_LIST, 1);
        EXPECT_EQ(d.text(trackfilesids::IDC_CHOSEN_COUNT), " 2/2");
        EXPECT_EQ(d.text(trackfilesids::IDC_CHOSEN_NUMBER), "(No.1)");
        EXPECT_EQ(d.text(trackfilesids::IDC_START_POINT), "N3540.87 E13946.01");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->RunTrackDialog(), 1);
    EXPECT_EQ(doc->tracks.m_nTrackSelectedPos, 2);
    EXPECT_EQ(Chosen(), (std::vector<int>{2, 0}));
    // A double click asks for the track's profile and makes it current.
    script->answerDialog(CDlgTrackFiles::IDD,
                         [](vd::DialogDriver& d) { d.doubleClickList(trackfilesids::IDC_CHOSEN_LIST, 1); });
    EXPECT_EQ(doc->RunTrackDialog(), 1);
    EXPECT_EQ(doc->tracks.m_nTrackCurrent, 0);
    EXPECT_EQ(Chosen(), (std::vector<int>{2, 0, 0}));
    // "すべて取消": no current track, no titles, the list is out of use.
    script->answerDialog(CDlgTrackFiles::IDD, [](vd::DialogDriver& d) { d.click(trackfilesids::IDC_CLEAR_ALL); });
    EXPECT_EQ(doc->RunTrackDialog(), 1);
    EXPECT_EQ(doc->tracks.m_nTrackCurrent, -1);
    EXPECT_EQ(doc->tracks.m_nTrackTitleCount, 0);
    EXPECT_EQ(doc->tracks.m_bTrackList, 0);
}

TEST_F(TrackDialogs, TheSixtyFifthTrackKeepsSixtyFour)
{
    const auto paths = FourTracks();
    for (std::size_t i = 0; i < 64; ++i) {
        doc->tracks.m_anTrackSelected[i] = int(i % 4);
        doc->tracks.m_astrTrackHistory[i] = "t";
    }
    doc->tracks.m_astrTrackHistory[64] = "999";
    doc->tracks.m_nTrackTitleCount = 64;
    doc->tracks.m_nTrackCurrent = 0;
    doc->tracks.m_strTrackFile = paths[0];
    script->answerDialog(CDlgTrackFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(trackfilesids::IDC_CHOSEN_COUNT), "    64");
        d.selectCombo(trackfilesids::IDC_FILE_COMBO, 2);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->RunTrackDialog(), 1);
    EXPECT_EQ(doc->tracks.m_anTrackSelected[64], 2);
    EXPECT_EQ(doc->tracks.m_nTrackTitleCount, 64);
    EXPECT_EQ(doc->tracks.m_nTrackSelectedPos, 65);
    EXPECT_EQ(doc->tracks.m_astrTrackHistory[64], "999");
}

TEST_F(TrackDialogs, IntervalButtons)
{
    FourTracks();
    struct Case {
        int from, button, to;
        const char* shown;
    };
    const Case cases[] = {
        {9, trackfilesids::IDC_INTERVAL_UP, 10, " 10km"},   {10, trackfilesids::IDC_INTERVAL_UP, 15, " 15km"},
        {15, trackfilesids::IDC_INTERVAL_DOWN, 10, "10km"}, {12, trackfilesids::IDC_INTERVAL_DOWN, 10, "10km"},
        {10, trackfilesids::IDC_INTERVAL_DOWN, 9, " 9km"},  {1, trackfilesids::IDC_INTERVAL_DOWN, 1, " 1km"}};
    for (const Case& c : cases) {
        doc->tracks.m_nTrackScaleKm = c.from;
        script->answerDialog(CDlgTrackFiles::IDD, [&](vd::DialogDriver& d) {
            d.click(c.button);
            EXPECT_EQ(d.text(trackfilesids::IDC_INTERVAL), c.shown) << c.from;
            d.click(vd::IDOK);
        });
        EXPECT_EQ(doc->RunTrackDialog(), 1);
        EXPECT_EQ(doc->tracks.m_nTrackScaleKm, c.to) << c.from;
    }
    // The "表示" box shows the interval when it is turned on.
    doc->tracks.m_bTrackScaleShown = 0;
    script->answerDialog(CDlgTrackFiles::IDD, [](vd::DialogDriver& d) {
        d.click(trackfilesids::IDC_SCALE_SHOWN);
        EXPECT_EQ(d.text(trackfilesids::IDC_INTERVAL), " 1km");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->RunTrackDialog(), 1);
    EXPECT_EQ(doc->tracks.m_bTrackScaleShown, 1);
}

TEST_F(TrackDialogs, RegisteringAFileMakesItCurrent)
{
    const auto paths = FourTracks();
    doc->tracks.m_strTrackFile = paths[0];
    doc->tracks.m_nTrackCurrent = 0;
    const Fixture added = WriteFixture("Evening.LOG", Cp932Lines(trackfixture::Log()));
    script->answerFileDialog(added.winPath);
    script->answerDialog(CDlgInfoFileList::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "        トラックファイル");
        EXPECT_EQ(d.text(infofilelistids::IDC_COUNT), "登録数=4");
        d.click(infofilelistids::IDC_FILE_BUTTON);
        EXPECT_EQ(d.text(infofilelistids::IDC_COUNT), "登録数=5");
        d.click(vd::IDOK);
    });
    script->answerDialog(CDlgTrackFiles::IDD, [](vd::DialogDriver& d) {
        d.click(trackfilesids::IDC_REGISTER);
        EXPECT_EQ(d.text(trackfilesids::IDC_TITLE), "ログ5");
        EXPECT_EQ(d.text(trackfilesids::IDC_FILE_COUNT), "  No=5/5");
        // The count shows whole (a long path in the combo box is cut, as any would be).
        const std::string count = "control " + std::to_string(trackfilesids::IDC_FILE_COUNT) + " ";
        for (const std::string& fault : d.clippedControls())
            EXPECT_FALSE(fault.starts_with(count)) << fault;
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->RunTrackDialog(), 1);
    ASSERT_EQ(script->fileDialogs().size(), 1u);
    EXPECT_EQ(script->fileDialogs()[0].filter,
              "All files (*.*)|*.*|TRK files (*.trk)|*.trk|POT files (*.pot)|*.pot|ROT files (*.rot)|*.rot||");
    EXPECT_EQ(script->beeps(), 1);
    EXPECT_EQ(doc->tracks.m_strTrackFile, vd::toLowerAscii(added.winPath));
    EXPECT_EQ(Keys("TrackList", "Track", 5)[4], vd::toLowerAscii(added.winPath));
    EXPECT_EQ(doc->tracks.m_nTrackCurrent, 4);
    EXPECT_EQ(doc->m_strTrackKind, "log");
}

TEST_F(TrackDialogs, RemovingAFileRenumbersTheChosenTracksEvenOnCancel)
{
    const auto paths = FourTracks();
    doc->tracks.m_strTrackFile = paths[3];
    doc->tracks.m_nTrackCurrent = 3;
    Choose({0, 1, 3}, {"A", "B", "D"});
    script->answerDialog(CDlgInfoFileList::IDD, [](vd::DialogDriver& d) {
        d.selectCombo(infofilelistids::IDC_FILE_COMBO, 1);
        d.click(infofilelistids::IDC_REMOVE);
    });
    script->answerDialog(CDlgTrackFiles::IDD, [&](vd::DialogDriver& d) {
        d.click(trackfilesids::IDC_REGISTER);
        // The list and the combo are read again: the removed track is gone.
        EXPECT_EQ(ListEntries(d), (std::vector<std::string>{" 皇居から上野", "ログ3"}));
        EXPECT_EQ(d.dialog().item<vd::ComboBox>(trackfilesids::IDC_FILE_COMBO)->GetCount(), 3);
        d.click(trackfilesids::IDC_CANCEL);
    });
    EXPECT_EQ(doc->RunTrackDialog(), -1);
    EXPECT_EQ(Keys("TrackList", "Track", 4), (std::vector<std::string>{paths[0], paths[2], paths[3], ""}));
    EXPECT_EQ(Chosen(), (std::vector<int>{0, 2}));
    EXPECT_EQ(doc->tracks.m_astrTrackHistory[0], "A");
    EXPECT_EQ(doc->tracks.m_astrTrackHistory[1], "D");
    EXPECT_EQ(doc->tracks.m_astrTrackHistory[2], "999");
    EXPECT_EQ(doc->tracks.m_nTrackTitleCount, 2);
    EXPECT_EQ(doc->tracks.m_nTrackCurrent, 2);
}

TEST_F(TrackDialogs, NoRegisteredFileAndASkippedEntry)
{
    script->answerDialog(CDlgTrackFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.dialog().item<vd::ComboBox>(trackfilesids::IDC_FILE_COMBO)->GetCount(), 0);
        EXPECT_EQ(d.text(trackfilesids::IDC_FILE_COUNT), "登録数=");
        EXPECT_EQ(d.text(trackfilesids::IDC_TITLE), "");
        d.click(trackfilesids::IDC_CANCEL);
    });
    EXPECT_EQ(doc->RunTrackDialog(), -1);

    FourTracks();
    Choose({0, 9999, 3}, {"A", "B", "D"});
    script->answerDialog(CDlgTrackFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(ListEntries(d), (std::vector<std::string>{" 皇居から上野", "ログ4"}));
        EXPECT_EQ(d.text(trackfilesids::IDC_CHOSEN_COUNT), "    3");
        d.click(trackfilesids::IDC_CANCEL);
    });
    EXPECT_EQ(doc->RunTrackDialog(), -1);
}

TEST(InfoFileList, ModesNameTheirListAndCaption)
{
    auto script = vd::ui::Script::install();
    struct Case {
        const char *mode, *section, *prefix, *caption;
    };
    const Case cases[] = {{"WHOLEAREA", "WholeArea", "File", "        全域地点名ファイル"},
                          {"POINTNAME", "FileList", "File", "        地点名ファイル"},
                          {"GPS", "TrackList", "Track", "        トラックファイル"}};
    for (const Case& c : cases) {
        vd::ProfileStore profile;
        profile.writeString(c.section, std::string(c.prefix) + "1", "z:\\one.dat");
        profile.writeString(c.section, std::string(c.prefix) + "2", "z:\\two.dat");
        script->answerFileDialog("Z:\\Data\\New.DAT");
        script->answerDialog(CDlgInfoFileList::IDD, [&](vd::DialogDriver& d) {
            EXPECT_EQ(d.caption(), c.caption);
            EXPECT_EQ(d.text(infofilelistids::IDC_COUNT), "登録数=2");
            d.selectCombo(infofilelistids::IDC_FILE_COMBO, 1);
            d.click(infofilelistids::IDC_FILE_BUTTON);
            d.click(vd::IDOK);
        });
        CDlgInfoFileList dialog;
        dialog.m_strMode = c.mode;
        EXPECT_EQ(dialog.DoModal(), vd::IDOK);
        EXPECT_EQ(dialog.m_nPicked, 1);
        EXPECT_EQ(dialog.m_strFile, "z:\\data\\new.dat");
        EXPECT_EQ(profile.getString(c.section, std::string(c.prefix) + "3"), "z:\\data\\new.dat");
    }
    EXPECT_EQ(script->fileDialogs()[0].filter, "All files (*.*)|*.*||");
    EXPECT_EQ(script->fileDialogs()[0].initialName, "*.*");
}

TEST(InfoFileList, AddingAndRemoving)
{
    auto script = vd::ui::Script::install();
    vd::ProfileStore profile;
    for (int i = 1; i <= 100; ++i)
        profile.writeString("FileList", "File" + std::to_string(i), "z:\\f" + std::to_string(i) + ".dat");
    const auto run = [&](const std::function<void(vd::DialogDriver&)>& actions) {
        script->answerDialog(CDlgInfoFileList::IDD, actions);
        CDlgInfoFileList dialog;
        dialog.m_strMode = "POINTNAME";
        return dialog.DoModal();
    };
    // A listed path adds nothing; a new one replaces entry 100 of a full list.
    script->answerFileDialog("z:\\f7.dat");
    script->answerFileDialog("z:\\new.dat");
    run([](vd::DialogDriver& d) {
        auto* combo = d.dialog().item<vd::ComboBox>(infofilelistids::IDC_FILE_COMBO);
        d.click(infofilelistids::IDC_FILE_BUTTON);
        EXPECT_EQ(combo->GetCount(), 100);
        d.click(infofilelistids::IDC_FILE_BUTTON);
        EXPECT_EQ(combo->GetCount(), 101);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(profile.getString("FileList", "File99"), "z:\\f99.dat");
    EXPECT_EQ(profile.getString("FileList", "File100"), "z:\\new.dat");
    EXPECT_EQ(profile.getString("FileList", "File7"), "z:\\f7.dat");

    // Removing entry 2 of 4 moves 3 and 4 down; with nothing picked the button does nothing.
    for (int i = 5; i <= 100; ++i)
        profile.writeString("FileList", "File" + std::to_string(i), "");
    EXPECT_EQ(run([](vd::DialogDriver& d) {
                  d.click(infofilelistids::IDC_REMOVE);
                  EXPECT_FALSE(d.ended());
                  d.selectCombo(infofilelistids::IDC_FILE_COMBO, 1);
                  d.click(infofilelistids::IDC_REMOVE);
              }),
              -1);
    std::vector<std::string> keys;
    for (int i = 1; i <= 4; ++i)
        keys.push_back(profile.getString("FileList", "File" + std::to_string(i)));
    EXPECT_EQ(keys, (std::vector<std::string>{"z:\\f1.dat", "z:\\f3.dat", "z:\\f4.dat", ""}));
}

} // namespace
