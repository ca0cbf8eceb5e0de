// The start city dialog on a fresh application folder: choosing, registering and editing.
#include "app/settings/StartCityDialog.h"

#include "../doc/DocumentTestSupport.h"
#include "app/document/VeldoranDoc.h"
#include "app/settings/StartCityFile.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/PathForm.h"

#include <gtest/gtest.h>

namespace {

using namespace doctest;

class StartCityDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        UseBuiltLibraries();
        editor = InstallFakeEditor();
        // A fresh installation: the document writes the default cities.
        doc = std::make_unique<CVeldoranDoc>();
        dialog = std::make_unique<CDlgStartCity>(nullptr);
        dialog->m_city = {"大阪", 34, 41, 135, 31};
        dialog->m_strAppDir = doc->folders.m_strAppDir;
        dialog->m_strEditor = editor;
    }
    static std::vector<std::string> Cities(vd::DialogDriver& d)
    {
        auto* combo = d.dialog().item<vd::ComboBox>(startcityids::IDC_CITY);
        std::vector<std::string> names;
        for (int i = 0; i < combo->GetCount(); ++i)
            names.push_back(combo->GetLBText(i));
        return names;
    }
    static std::string FileBytes() { return ReadBytes(Home() / "MAPELMNT" / "DPRTCITY.DAT"); }

    std::shared_ptr<vd::ui::Script> script;
    std::string editor;
    std::unique_ptr<CVeldoranDoc> doc;
    std::unique_ptr<CDlgStartCity> dialog;
};

TEST_F(StartCityDialog, AFreshInstallationOffersTokyoAndOsaka)
{
    script->answerDialog(CDlgStartCity::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "始点の都市");
        EXPECT_EQ(Cities(d), (std::vector<std::string>{"東京", "大阪"}));
        EXPECT_EQ(d.text(startcityids::IDC_CITY), "大阪");
        EXPECT_EQ(d.text(startcityids::IDC_LATITUDE), "34.41") << "whole degrees and minutes";
        EXPECT_EQ(d.text(startcityids::IDC_LONGITUDE), "135.31");
        d.selectCombo(startcityids::IDC_CITY, 0);
        EXPECT_EQ(d.text(startcityids::IDC_LATITUDE), "35.4200") << "the line's own text";
        EXPECT_EQ(d.text(startcityids::IDC_LONGITUDE), "139.4930");
        d.selectCombo(startcityids::IDC_CITY, 1);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(dialog->DoModal(), vd::IDOK);
    EXPECT_EQ(dialog->m_city.m_strDepature, "大阪");
    EXPECT_EQ(dialog->m_city.m_dDepLatDeg, 34);
    EXPECT_EQ(dialog->m_city.m_dDepLatMin, 40);
    EXPECT_EQ(dialog->m_city.m_dDepLonDeg, 135);
    EXPECT_EQ(dialog->m_city.m_dDepLonMin, 31);
    EXPECT_EQ(dialog->m_nShownIndex, 1);
    EXPECT_EQ(dialog->m_nEdited, 0);
}

TEST_F(StartCityDialog, RegisteringReadsHundredthsAboveSixtyAndAppends)
{
    const std::string before = FileBytes();
    script->answerDialog(CDlgStartCity::IDD, [](vd::DialogDriver& d) {
        // Any empty field registers nothing.
        for (int empty : {startcityids::IDC_CITY, startcityids::IDC_LATITUDE, startcityids::IDC_LONGITUDE}) {
            d.setComboEditText(startcityids::IDC_CITY, empty == startcityids::IDC_CITY ? "" : "松本");
            d.setText(startcityids::IDC_LATITUDE, empty == startcityids::IDC_LATITUDE ? "" : "36.14");
            d.setText(startcityids::IDC_LONGITUDE, empty == startcityids::IDC_LONGITUDE ? "" : "137.58");
            d.click(startcityids::IDC_REGISTER);
        }
        d.setComboEditText(startcityids::IDC_CITY, "静岡");
        d.setText(startcityids::IDC_LATITUDE, "35.75");
        d.setText(startcityids::IDC_LONGITUDE, "138.2300");
        d.click(startcityids::IDC_REGISTER);
        EXPECT_EQ(Cities(d), (std::vector<std::string>{"東京", "大阪", "静岡"}));
        EXPECT_EQ(d.text(startcityids::IDC_CITY), "東京") << "after a change the file's first city is shown";
        EXPECT_EQ(d.text(startcityids::IDC_LATITUDE), "35.42");
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(dialog->DoModal(), vd::IDCANCEL);
    EXPECT_EQ(FileBytes(), before + vd::utf8ToCp932("静岡@35.45@138.2300\r\n"));
    EXPECT_EQ(dialog->m_nEdited, 1);
    EXPECT_TRUE(script->messageBoxes().empty());
}

TEST_F(StartCityDialog, AnAtInAFieldIsRefused)
{
    const std::string before = FileBytes();
    script->answerDialog(CDlgStartCity::IDD, [](vd::DialogDriver& d) {
        d.setComboEditText(startcityids::IDC_CITY, "a@b");
        d.setText(startcityids::IDC_LATITUDE, "35.00");
        d.setText(startcityids::IDC_LONGITUDE, "135.00");
        d.click(startcityids::IDC_REGISTER);
        d.click(vd::IDOK);
    });
    dialog->DoModal();
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(dialog->m_nEdited, 0);
    ASSERT_EQ(script->messageBoxes().size(), 1u);
}

TEST_F(StartCityDialog, EditingRunsTheEditorAndReadsTheFileAgain)
{
    script->answerDialog(CDlgStartCity::IDD, [](vd::DialogDriver& d) {
        WriteBytes(Home() / "MAPELMNT" / "DPRTCITY.DAT", vd::utf8ToCp932("那覇@26.1246@127.4052\r\n"));
        d.click(startcityids::IDC_EDIT_FILE);
        EXPECT_EQ(Cities(d), (std::vector<std::string>{"那覇"}));
        EXPECT_EQ(d.text(startcityids::IDC_CITY), "那覇");
        EXPECT_EQ(d.text(startcityids::IDC_LATITUDE), "26.12");
        EXPECT_EQ(d.text(startcityids::IDC_LONGITUDE), "127.40");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(dialog->DoModal(), vd::IDOK);
    ASSERT_EQ(script->processes().size(), 1u);
    const std::vector<std::string>& argv = script->processes()[0];
    EXPECT_EQ(argv.front(), vd::ui::toLinuxForm(editor));
    EXPECT_EQ(argv.back(), (Home() / "MAPELMNT" / "DPRTCITY.DAT").string());
    EXPECT_EQ(dialog->m_nEdited, 1);
    EXPECT_EQ(dialog->m_city.m_strDepature, "那覇");
    EXPECT_EQ(dialog->m_city.m_dDepLatMin, 12);
}

TEST_F(StartCityDialog, AnEditorThatCannotStartLeavesTheList)
{
    script->answerProcess({});
    script->answerDialog(CDlgStartCity::IDD, [](vd::DialogDriver& d) {
        d.click(startcityids::IDC_EDIT_FILE);
        EXPECT_EQ(Cities(d), (std::vector<std::string>{"東京", "大阪"}));
        EXPECT_EQ(d.text(startcityids::IDC_CITY), "大阪");
        d.click(vd::IDOK);
    });
    dialog->DoModal();
    EXPECT_EQ(dialog->m_nEdited, 0);
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_NE(script->messageBoxes()[0].text.find("プログラムを起動できません"), std::string::npos);
}

} // namespace
