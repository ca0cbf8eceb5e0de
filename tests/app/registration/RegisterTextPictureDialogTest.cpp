// The text/picture registration dialog (137) on its own: what it shows, how its fields are kept,
// its choosers and its text preview through the dialog library's memo dialog.
#include "RegistrationTestSupport.h"

#include "app/registration/RegisterTextPictureDialog.h"

using namespace registrationtest;

namespace {

using namespace registertextpictureids;

TEST_F(Registration, RegistrationDialogKeepsFilesAndShowsTheText)
{
    Answer("OnPictureFileDialog", "Z:\\pic\\Falls.JPG");
    script->answerFileDialog("Z:\\Memo\\Falls.TXT");
    script->answerDialog(137, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(IDC_LATITUDE), "35.4000");
        EXPECT_EQ(d.text(IDC_LONGITUDE), "140.3000");
        EXPECT_EQ(d.text(IDC_NAME), "") << "the edits start empty";
        d.click(IDC_TEXT_CHOOSER);
        EXPECT_EQ(d.text(IDC_TEXT_FILE), "z:\\memo\\falls.txt");
        d.click(IDC_SHOW_TEXT);
        d.setText(IDC_TEXT_FILE, "");
        d.click(IDC_PICTURE_CHOOSER);
        EXPECT_EQ(d.text(IDC_PICTURE_FILE), "Z:\\pic\\Falls.JPG");
        d.click(vd::IDOK);
    });
    CDlgRegisterTextPicture dialog;
    dialog.m_strLatitude = "35.4000";
    dialog.m_strLongitude = "140.3000";
    dialog.m_nState = 1;
    EXPECT_EQ(dialog.DoModal(), vd::IDOK);
    EXPECT_EQ(dialog.m_strName, "*****") << "never typed";
    EXPECT_EQ(dialog.m_strItem, "*****");
    EXPECT_EQ(dialog.m_strTextFile, "z:\\memo\\falls.txt") << "an edit emptied by hand keeps the file";
    EXPECT_EQ(dialog.m_strPictureFile, "Z:\\pic\\Falls.JPG");
    EXPECT_EQ(dialog.m_nState, 1);
    EXPECT_NE(FakeLog().find("OnMemoDisplay(2,0,z:\\memo\\falls.txt,)"), std::string::npos) << FakeLog();

    // A cancelled chooser empties the text; "登録を終了" ends with IDOK and state 0.
    script->answerFileDialog("Z:\\a.txt");
    script->cancelFileDialog();
    script->answerDialog(137, [](vd::DialogDriver& d) {
        d.click(IDC_TEXT_CHOOSER);
        d.click(IDC_TEXT_CHOOSER);
        EXPECT_EQ(d.text(IDC_TEXT_FILE), "");
        d.setText(IDC_ITEM, "滝");
        d.click(IDC_END_REGISTRATION);
    });
    CDlgRegisterTextPicture second;
    second.m_nState = 1;
    EXPECT_EQ(second.DoModal(), vd::IDOK);
    EXPECT_EQ(second.m_nState, 0);
    EXPECT_EQ(second.m_strTextFile, "");
    EXPECT_EQ(second.m_strItem, "滝");
}

} // namespace
