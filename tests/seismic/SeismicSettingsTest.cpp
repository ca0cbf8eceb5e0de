// The seismic map settings answered through the vd::ui script as a user answers them: the tabs and
// the display method, the options page's check rules, the list pages with their position label,
// registration through dialog 133 and its file dialog, the editor of the update button, and the
// list files byte for byte.
#include "contracts/halvette.h"
#include "platform/text/Cp932.h"
#include "platform/text/StringOps.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/UiScript.h"
#include "seismic/HalvetteModule.h"
#include "seismic/lists/SeismicDataList.h"
#include "seismic/lists/SeismicEntryName.h"
#include "seismic/settings/SeismicRegisterDialog.h"
#include "seismic/settings/SeismicSettingsDialog.h"
#include "tests/seismic/SeismicFixtures.h"

#include <gtest/gtest.h>

#include <functional>

using namespace seismicfixtures;

namespace {

using Actions = std::function<void(vd::DialogDriver&)>;

constexpr const char* kSeisHeader = ";-----確率論的地震動予測地図データファイル--------\r\n";
constexpr const char* kFaultHeader = ";-----震源断層を特定した地震動予測地図データファイル--------\r\n";

struct Settings {
    int v[11] = {0, 0, 0, -1, 0, -1, 0, 0, 0, 0, 0};
};

struct ListFolder {
    std::filesystem::path linux = Home() / "app";
    std::string win = WinFolder(linux);
    std::filesystem::path Path(int kind) const { return linux / (kind == 0 ? "SEISFILE.DAT" : "FLTFILE.DAT"); }
    void Write(int kind, const std::string& utf8) const { WriteFile(Path(kind), vd::utf8ToCp932(utf8)); }
    std::string Text(int kind) const { return vd::cp932ToUtf8(ReadFile(Path(kind))); }
};

std::string Run(const Settings& s, const std::string& folder, const std::string& editor = {})
{
    const int* v = s.v;
    return OnSeisFileSet(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], folder, editor);
}

// Runs the settings with the actions as the user's answer to dialog 129.
std::string Answer(const Settings& s, const std::string& folder, Actions actions,
                   std::shared_ptr<vd::ui::Script> script = vd::ui::Script::install())
{
    script->answerDialog(kHalvetteModule, CDlgSeisFileSet::IDD, std::move(actions));
    const std::string result = Run(s, folder);
    EXPECT_TRUE(script->unanswered().empty());
    return result;
}

vd::TabCtrl& Tabs(vd::DialogDriver& d) { return dynamic_cast<vd::TabCtrl&>(d.control(seismicsettingsids::IDC_TAB)); }
vd::ComboBox& Combo(vd::DialogDriver& d, int page, int id) { return dynamic_cast<vd::ComboBox&>(d.page(page).control(id)); }

const std::string kThree = "宇治=z:\\d\\a_ps.csv\r\n京都=z:\\d\\b_si.csv\r\n奈良=z:\\d\\c_sv.csv\r\n";

} // namespace

TEST(SeismicSettings, TabsAndDisplayMethodComeBackAsTenNumbers)
{
    const ListFolder f;
    struct Case {
        const char* what;
        Settings in;
        Actions actions;
        std::string expected;
    };
    auto ok = [](vd::DialogDriver& d) { d.click(vd::IDOK); };
    const Case cases[] = {
        {"as passed, value 11 left out", {{1, 1, 1, 2, 1, 0, 2, 1, 1, 1, 3}}, ok, "1|1|1|2|1|0|2|1|1|1"},
        {"attribute values chosen", {{0, 0, 0, -1, 0, -1, 0, 0, 0, 0, 0}},
         [](vd::DialogDriver& d) {
             d.click(seismicsettingsids::IDC_ATTRIBUTE_VALUES);
             d.click(vd::IDOK);
         },
         "0|1|0|-1|0|-1|0|0|0|0"},
        {"mesh map chosen", {{0, 1, 0, -1, 0, -1, 0, 0, 0, 0, 0}},
         [](vd::DialogDriver& d) {
             d.click(seismicsettingsids::IDC_MESH_MAP);
             d.click(vd::IDOK);
         },
         "0|0|0|-1|0|-1|0|0|0|0"},
        {"map mode 6: no attribute values, and they cannot be chosen", {{0, 1, 0, -1, 0, -1, 0, 0, 0, 0, 6}},
         [](vd::DialogDriver& d) {
             EXPECT_TRUE(d.isChecked(seismicsettingsids::IDC_MESH_MAP));
             EXPECT_FALSE(d.isChecked(seismicsettingsids::IDC_ATTRIBUTE_VALUES));
             EXPECT_EQ(d.text(seismicsettingsids::IDC_MESH_MAP), "ﾒｯｼｭﾏｯﾌﾟ");
             EXPECT_EQ(d.text(seismicsettingsids::IDC_ATTRIBUTE_VALUES), "");
             d.click(seismicsettingsids::IDC_ATTRIBUTE_VALUES);
             EXPECT_TRUE(d.isChecked(seismicsettingsids::IDC_MESH_MAP));
             EXPECT_FALSE(d.isChecked(seismicsettingsids::IDC_ATTRIBUTE_VALUES));
             d.click(vd::IDOK);
         },
         "0|0|0|-1|0|-1|0|0|0|0"},
        {"the options page first, kept", {{2, 0, 0, -1, 0, -1, 0, 0, 0, 0, 0}},
         [](vd::DialogDriver& d) {
             EXPECT_EQ(Tabs(d).GetCurSel(), 2);
             EXPECT_TRUE(d.page(CSeismicOptionsPage::IDD).isVisible(seismicoptionsids::IDC_LEGEND));
             EXPECT_FALSE(d.page(kProbabilisticPage.templateId).isVisible(kProbabilisticPage.show));
             EXPECT_FALSE(d.page(kScenarioPage.templateId).isVisible(kScenarioPage.show));
             d.click(vd::IDOK);
         },
         "2|0|0|-1|0|-1|0|0|0|0"},
        {"a tab change", {{2, 0, 0, -1, 0, -1, 0, 0, 0, 0, 0}},
         [](vd::DialogDriver& d) {
             d.selectTab(seismicsettingsids::IDC_TAB, 1);
             EXPECT_TRUE(d.page(kScenarioPage.templateId).isVisible(kScenarioPage.show));
             EXPECT_FALSE(d.page(CSeismicOptionsPage::IDD).isVisible(seismicoptionsids::IDC_LEGEND));
             d.selectTab(seismicsettingsids::IDC_TAB, 0);
             EXPECT_TRUE(d.page(kProbabilisticPage.templateId).isVisible(kProbabilisticPage.show));
             EXPECT_FALSE(d.page(kScenarioPage.templateId).isVisible(kScenarioPage.show));
             d.selectTab(seismicsettingsids::IDC_TAB, 1);
             d.click(vd::IDOK);
         },
         "1|0|0|-1|0|-1|0|0|0|0"},
        {"a page value outside the tabs shows no page", {{7, 0, 0, -1, 0, -1, 0, 0, 0, 0, 0}},
         [](vd::DialogDriver& d) {
             EXPECT_FALSE(d.page(kProbabilisticPage.templateId).isVisible(kProbabilisticPage.show));
             EXPECT_FALSE(d.page(kScenarioPage.templateId).isVisible(kScenarioPage.show));
             EXPECT_FALSE(d.page(CSeismicOptionsPage::IDD).isVisible(seismicoptionsids::IDC_LEGEND));
             d.click(vd::IDOK);
         },
         "7|0|0|-1|0|-1|0|0|0|0"},
        {"cancel after changes", {{0, 0, 0, -1, 0, -1, 0, 0, 0, 0, 0}},
         [](vd::DialogDriver& d) {
             d.click(seismicsettingsids::IDC_ATTRIBUTE_VALUES);
             d.selectTab(seismicsettingsids::IDC_TAB, 2);
             d.click(vd::IDCANCEL);
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Answer(c.in, f.win, c.actions), c.expected);
    }
}

TEST(SeismicSettings, OpensWithItsTabsAndCaptions)
{
    const ListFolder f;
    Answer({}, f.win, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "地震動予測地図");
        ASSERT_EQ(Tabs(d).GetItemCount(), 3);
        EXPECT_EQ(Tabs(d).GetItemText(0), "確率論的地震動");
        EXPECT_EQ(Tabs(d).GetItemText(1), "震源断層を特定した地震動");
        EXPECT_EQ(Tabs(d).GetItemText(2), "　仕　様　");
        EXPECT_EQ(d.page(kProbabilisticPage.templateId).text(kProbabilisticPage.show), "表示する");
        EXPECT_EQ(d.page(kScenarioPage.templateId).text(kScenarioPage.firstQuantity + 2), "地表の震度");
        EXPECT_EQ(d.page(CSeismicOptionsPage::IDD).text(seismicoptionsids::IDC_FAULT), "震源断層を表示（対象：簡便法・詳細法による地図）");
        EXPECT_EQ(d.page(CSeismicOptionsPage::IDD).text(seismicoptionsids::IDC_ASPERITY), "アスペリティを表示（対象：詳細法による地図）");
        EXPECT_EQ(d.page(CSeismicOptionsPage::IDD).text(seismicoptionsids::IDC_LEGEND), "地震動予測地図の凡例を表示する");
        d.click(vd::IDCANCEL);
    });
}

TEST(SeismicSettings, AsperitiesAreShownOnlyWithFaults)
{
    const ListFolder f;
    struct Case {
        const char* what;
        int legend, fault, asperity;
        std::vector<int> clicks;
        bool faultChecked, asperityChecked;
        std::string tail;  // values 8 to 10 of the answer
    };
    const Case cases[] = {
        {"opened with faults and asperities", 1, 1, 1, {}, true, true, "1|1|1"},
        {"asperities without faults are not marked", 0, 0, 1, {}, false, false, "0|0|1"},
        {"faults off and on again bring the mark back", 0, 1, 1, {seismicoptionsids::IDC_FAULT}, false, false, "0|0|1"},
        {"... and on again", 0, 1, 1, {seismicoptionsids::IDC_FAULT, seismicoptionsids::IDC_FAULT}, true, true, "0|1|1"},
        {"asperities clicked without faults are switched off", 0, 0, 1, {seismicoptionsids::IDC_ASPERITY}, false, false, "0|0|0"},
        {"asperities toggled with faults", 0, 1, 0, {seismicoptionsids::IDC_ASPERITY}, true, true, "0|1|1"},
        {"faults on keep asperities off", 0, 0, 0, {seismicoptionsids::IDC_FAULT}, true, false, "0|1|0"},
        {"the legend toggles", 0, 0, 0, {seismicoptionsids::IDC_LEGEND}, false, false, "1|0|0"},
        {"a legend value other than 0 toggles to 0", 5, 0, 0, {seismicoptionsids::IDC_LEGEND}, false, false, "0|0|0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings s;
        s.v[0] = 2;
        s.v[7] = c.legend;
        s.v[8] = c.fault;
        s.v[9] = c.asperity;
        const std::string result = Answer(s, f.win, [&](vd::DialogDriver& d) {
            vd::DialogDriver page = d.page(CSeismicOptionsPage::IDD);
            for (int id : c.clicks)
                page.click(id);
            EXPECT_EQ(page.isChecked(seismicoptionsids::IDC_FAULT), c.faultChecked);
            EXPECT_EQ(page.isChecked(seismicoptionsids::IDC_ASPERITY), c.asperityChecked);
            d.click(vd::IDOK);
        });
        EXPECT_EQ(result, "2|0|0|-1|0|-1|0|" + c.tail);
    }
}

TEST(SeismicSettings, MissingListsAreCreatedWithTheirHeaders)
{
    const ListFolder f;
    const std::string result = Answer({}, f.win, [](vd::DialogDriver& d) {
        EXPECT_EQ(Combo(d, kProbabilisticPage.templateId, kProbabilisticPage.combo).GetCount(), 0);
        EXPECT_EQ(d.page(kProbabilisticPage.templateId).text(kProbabilisticPage.position), "  0");
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(result, "");
    EXPECT_EQ(ReadFile(f.Path(0)), vd::utf8ToCp932(kSeisHeader));
    EXPECT_EQ(ReadFile(f.Path(1)), vd::utf8ToCp932(kFaultHeader));

    // A list of the user's own without a header is read as it is and left alone.
    f.Write(0, "宇治=z:\\d\\a_ps.csv\r\n");
    Answer({}, f.win, [](vd::DialogDriver& d) {
        EXPECT_EQ(Combo(d, kProbabilisticPage.templateId, kProbabilisticPage.combo).GetLBText(0), "宇治");
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(f.Text(0), "宇治=z:\\d\\a_ps.csv\r\n");
}

TEST(SeismicSettings, ChoosingAnEntryShowsItsPlaceAndSwitchesTheMapOn)
{
    const ListFolder f;
    f.Write(0, kSeisHeader + kThree);
    f.Write(1, std::string(kFaultHeader) + "A=z:\\f\\a.csv\r\n;note\r\n\r\nB=z:\\f\\b.csv\r\n");
    const std::string result = Answer({}, f.win, [](vd::DialogDriver& d) {
        vd::DialogDriver probabilistic = d.page(kProbabilisticPage.templateId);
        EXPECT_EQ(probabilistic.text(kProbabilisticPage.position), "  3");
        EXPECT_FALSE(probabilistic.isChecked(kProbabilisticPage.show));
        probabilistic.selectCombo(kProbabilisticPage.combo, 0);
        EXPECT_EQ(probabilistic.text(kProbabilisticPage.position), "  1/  3");
        EXPECT_TRUE(probabilistic.isChecked(kProbabilisticPage.show));
        d.selectTab(seismicsettingsids::IDC_TAB, 1);
        vd::DialogDriver scenario = d.page(kScenarioPage.templateId);
        EXPECT_EQ(scenario.text(kScenarioPage.position), "  2");
        EXPECT_TRUE(scenario.isChecked(kScenarioPage.firstQuantity));
        scenario.selectCombo(kScenarioPage.combo, 1);
        EXPECT_EQ(scenario.text(kScenarioPage.position), "  2/  2");
        scenario.click(kScenarioPage.firstQuantity + 2);
        // The show box switches the map off again.
        scenario.click(kScenarioPage.show);
        EXPECT_FALSE(scenario.isChecked(kScenarioPage.show));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(result, "1|0|1|0|0|1|2|0|0|0");

    // Opened again with those entries chosen.
    Settings s;
    s.v[2] = 1;
    s.v[3] = 2;
    s.v[4] = 1;
    s.v[5] = 0;
    s.v[6] = 1;
    Answer(s, f.win, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.page(kProbabilisticPage.templateId).text(kProbabilisticPage.position), "  3/  3");
        EXPECT_EQ(Combo(d, kProbabilisticPage.templateId, kProbabilisticPage.combo).GetCurSel(), 2);
        EXPECT_TRUE(d.page(kProbabilisticPage.templateId).isChecked(kProbabilisticPage.show));
        EXPECT_EQ(d.page(kScenarioPage.templateId).text(kScenarioPage.position), "  1/  2");
        EXPECT_TRUE(d.page(kScenarioPage.templateId).isChecked(kScenarioPage.firstQuantity + 1));
        EXPECT_FALSE(d.page(kScenarioPage.templateId).isChecked(kScenarioPage.firstQuantity));
        d.click(vd::IDCANCEL);
    });
}

TEST(SeismicSettings, RegistrationAppendsTheEntryAndSelectsIt)
{
    const ListFolder f;
    f.Write(0, kSeisHeader + kThree);
    const std::filesystem::path data = Home() / "Hazard" / "Kinki_PS.csv";
    WriteFile(data, "x\r\n");
    const std::string chosen = vd::ui::toWindowsForm(data.string());

    auto script = vd::ui::Script::install();
    // First: OK with nothing filled in, then with the file alone; then the name.
    script->answerDialog(kHalvetteModule, CDlgSeisFileRegist::IDD, [&](vd::DialogDriver& r) {
        EXPECT_EQ(r.caption(), "地震動予測地図のデータファイルの登録");
        r.click(vd::IDOK);
        EXPECT_FALSE(r.ended());
        r.click(seismicregisterids::IDC_BROWSE);
        EXPECT_EQ(r.text(seismicregisterids::IDC_DATA_FILE), vd::toLowerAscii(chosen));
        r.click(vd::IDOK);
        EXPECT_FALSE(r.ended());
        r.setText(seismicregisterids::IDC_NAME, "近畿の確率");
        r.click(vd::IDOK);
    });
    script->answerFileDialog(chosen);
    // A second registration cancelled changes nothing.
    script->answerDialog(kHalvetteModule, CDlgSeisFileRegist::IDD, [](vd::DialogDriver& r) {
        r.setText(seismicregisterids::IDC_NAME, "取消");
        r.setText(seismicregisterids::IDC_DATA_FILE, "z:\\x.csv");
        r.click(vd::IDCANCEL);
    });
    const std::string result = Answer({}, f.win, [](vd::DialogDriver& d) {
        vd::DialogDriver page = d.page(kProbabilisticPage.templateId);
        page.click(kProbabilisticPage.registerButton);
        EXPECT_EQ(page.text(kProbabilisticPage.position), "  4/  4");
        EXPECT_EQ(Combo(d, kProbabilisticPage.templateId, kProbabilisticPage.combo).GetCurSel(), 3);
        EXPECT_EQ(Combo(d, kProbabilisticPage.templateId, kProbabilisticPage.combo).GetLBText(3), "近畿の確率");
        page.click(kProbabilisticPage.registerButton);
        EXPECT_EQ(page.text(kProbabilisticPage.position), "  4/  4");
        EXPECT_EQ(Combo(d, kProbabilisticPage.templateId, kProbabilisticPage.combo).GetCount(), 4);
        d.click(vd::IDOK);
    }, script);
    EXPECT_EQ(result, "0|0|0|3|0|-1|0|0|0|0") << "registering does not switch the map on";

    const auto& messages = script->messageBoxes();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, "地図データファイルが指定記入されていません");
    EXPECT_EQ(messages[1].text, "地図データの名称が記入されていません");
    EXPECT_EQ(messages[2].text, "地図データの名称が記入されていません");
    for (const auto& m : messages)
        EXPECT_EQ(m.style, vd::MB_OK | vd::MB_ICONEXCLAMATION);
    EXPECT_EQ(script->beeps(), 1);
    ASSERT_EQ(script->fileDialogs().size(), 1u);
    const auto& asked = script->fileDialogs()[0];
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.defaultExt, "csv");
    EXPECT_EQ(asked.initialName, "csv");
    EXPECT_EQ(asked.filter, "csv files (*.csv)|*.csv|All files (*.*)|*.*||");
    EXPECT_TRUE(asked.flags & vd::OFN_FILEMUSTEXIST);

    EXPECT_EQ(ReadFile(f.Path(0)),
              vd::utf8ToCp932(kSeisHeader + kThree + "近畿の確率=" + vd::toLowerAscii(chosen) + "\r\n"));
}

TEST(SeismicSettings, RegisteredNamesCannotBreakTheList)
{
    const ListFolder f;
    auto script = vd::ui::Script::install();
    const char* typed[] = {"上町\n断層", ";東海=南海", "a\r\nb\rc", "=x"};
    for (const char* name : typed)
        script->answerDialog(kHalvetteModule, CDlgSeisFileRegist::IDD, [name](vd::DialogDriver& r) {
            r.setText(seismicregisterids::IDC_DATA_FILE, "z:\\f\\s.csv");
            r.setText(seismicregisterids::IDC_NAME, name);
            r.click(vd::IDOK);
        });
    Answer({{1, 0, 0, -1, 0, -1, 0, 0, 0, 0, 0}}, f.win, [](vd::DialogDriver& d) {
        for (int i = 0; i < 4; ++i)
            d.page(kScenarioPage.templateId).click(kScenarioPage.registerButton);
        EXPECT_EQ(Combo(d, kScenarioPage.templateId, kScenarioPage.combo).GetLBText(1), "；東海＝南海");
        d.click(vd::IDOK);
    }, script);
    EXPECT_EQ(ReadFile(f.Path(1)), vd::utf8ToCp932(std::string(kFaultHeader) +
                                                   "上町 断層=z:\\f\\s.csv\r\n"
                                                   "；東海＝南海=z:\\f\\s.csv\r\n"
                                                   "a b c=z:\\f\\s.csv\r\n"
                                                   "＝x=z:\\f\\s.csv\r\n"));
    // Every name stays one entry, so the entries after it keep their numbers.
    EXPECT_EQ(seismic::ListSeismicDataNames(f.win, 1).size(), 4u);
    // Ctrl-Z would end the list's text where it stands; a tab does no harm.
    EXPECT_EQ(seismic::SeismicEntryName(";a;b=c\r\n\x1a\td"), "；a;b＝c  \td");
}

TEST(SeismicSettings, AListThatCannotBeWrittenIsNotRegistered)
{
    // A folder that does not exist: the pages stay empty, the dialog goes on, and a registration
    // says it could not be written instead of listing an entry that no map can find.
    const std::string missing = vd::ui::toWindowsForm((Home() / "no" / "such").string()) + "\\";
    auto script = vd::ui::Script::install();
    script->answerDialog(kHalvetteModule, CDlgSeisFileRegist::IDD, [](vd::DialogDriver& r) {
        r.setText(seismicregisterids::IDC_DATA_FILE, "z:\\f\\s.csv");
        r.setText(seismicregisterids::IDC_NAME, "名前");
        r.click(vd::IDOK);
        EXPECT_FALSE(r.ended());
        r.click(vd::IDCANCEL);
    });
    const std::string result = Answer({}, missing, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.page(kProbabilisticPage.templateId).text(kProbabilisticPage.position), "  0");
        d.page(kProbabilisticPage.templateId).click(kProbabilisticPage.registerButton);
        EXPECT_EQ(Combo(d, kProbabilisticPage.templateId, kProbabilisticPage.combo).GetCount(), 0);
        EXPECT_EQ(d.page(kProbabilisticPage.templateId).text(kProbabilisticPage.position), "  0");
        d.click(vd::IDOK);
    }, script);
    EXPECT_EQ(result, "0|0|0|-1|0|-1|0|0|0|0");
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_NE(script->messageBoxes()[0].text.find("SEISFILE.DAT"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Home() / "no"));
}

TEST(SeismicSettings, UpdateOpensTheListInTheEditorAndWaits)
{
    const ListFolder f;
    f.Write(0, kSeisHeader + kThree);
    auto script = vd::ui::Script::install();
    script->answerDialog(kHalvetteModule, CDlgSeisFileSet::IDD, [&](vd::DialogDriver& d) {
        d.page(kProbabilisticPage.templateId).click(kProbabilisticPage.update);
        // The editor changed the list; the page shows it only when opened again.
        f.Write(0, kSeisHeader);
        EXPECT_EQ(Combo(d, kProbabilisticPage.templateId, kProbabilisticPage.combo).GetCount(), 3);
        d.selectTab(seismicsettingsids::IDC_TAB, 1);
        d.page(kScenarioPage.templateId).click(kScenarioPage.update);
        d.click(vd::IDCANCEL);
    });
    const std::string editor = vd::ui::toWindowsForm("/bin/sh");
    OnSeisFileSet(0, 0, 0, -1, 0, -1, 0, 0, 0, 0, 0, f.win, editor);
    ASSERT_EQ(script->processes().size(), 2u);
    EXPECT_EQ(script->processes()[0], (std::vector<std::string>{"/bin/sh", f.Path(0).string()}));
    EXPECT_EQ(script->processes()[1], (std::vector<std::string>{"/bin/sh", f.Path(1).string()}));
    EXPECT_TRUE(script->messageBoxes().empty());
}
