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
        dialog->m_strAppDir = doc->m_strAppDir;
        dialog->m_strEditor = editor;
    }
    static std::vector<std::string> Cities(vd::DialogDriver& d)
    {
        auto* combo = d.dialog().item<vd::ComboBox>(1051);
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
        EXPECT_EQ(d.text(1051), "大阪");
        EXPECT_EQ(d.text(1055), "34.41") << "whole degrees and minutes";
        EXPECT_EQ(d.text(1056), "135.31");
        d.selectCombo(1051, 0);
        EXPECT_EQ(d.text(1055), "35.4200") << "the line's own text";
        EXPECT_EQ(d.text(1056), "139.4930");
        d.selectCombo(1051, 1);
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
        for (int empty : {1051, 1055, 1056}) {
            d.setComboEditText(1051, empty == 1051 ? "" : "松本");
            d.setText(1055, empty == 1055 ? "" : "36.14");
            d.setText(1056, empty == 1056 ? "" : "137.58");
            d.click(1052);
        }
        d.setComboEditText(1051, "静岡");
        d.setText(1055, "35.75");
        d.setText(1056, "138.2300");
        d.click(1052);
        EXPECT_EQ(Cities(d), (std::vector<std::string>{"東京", "大阪", "静岡"}));
        EXPECT_EQ(d.text(1051), "東京") << "after a change the file's first city is shown";
        EXPECT_EQ(d.text(1055), "35.42");
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
        d.setComboEditText(1051, "a@b");
        d.setText(1055, "35.00");
        d.setText(1056, "135.00");
        d.click(1052);
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
        d.click(1054);
        EXPECT_EQ(Cities(d), (std::vector<std::string>{"那覇"}));
        EXPECT_EQ(d.text(1051), "那覇");
        EXPECT_EQ(d.text(1055), "26.12");
        EXPECT_EQ(d.text(1056), "127.40");
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
        d.click(1054);
        EXPECT_EQ(Cities(d), (std::vector<std::string>{"東京", "大阪"}));
        EXPECT_EQ(d.text(1051), "大阪");
        d.click(vd::IDOK);
    });
    dialog->DoModal();
    EXPECT_EQ(dialog->m_nEdited, 0);
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_NE(script->messageBoxes()[0].text.find("プログラムを起動できません"), std::string::npos);
}

} // namespace
