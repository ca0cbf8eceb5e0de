// The surface pages as the user clicks them: on boxes, the boxes that switch a row on, file
// choices in folder and file form, and typed texts.
#include "tests/layers/settings/surface/SurfaceDialogSupport.h"

#include "platform/text/Cp932.h"

using namespace surface_test;

TEST_F(SurfaceDialogTest, OnBoxesNeedATextAndSomeBoxesSwitchTheRowOn)
{
    TextInput(0) = "D:\\KSJ\\(N03-01_a)";
    TextInput(5) = "D:\\A\\(A09-06_13)";
    TextInput(8) = "D:\\A\\(A12-06_13)";
    TextInput(10) = "d:\\a03.txt";
    TextInput(12) = "d:\\a25.txt";
    TextInput(4) = "D:\\W\\(W07-01)";
    Integers in;
    in.rows[1] = {1, 0, 0, 0}; // on without a text
    const Answer a(Run(in.text(), [](vd::DialogDriver& d) {
        d.click(Row(1).onBox);
        EXPECT_FALSE(d.isChecked(Row(1).onBox)) << "no folder: the box clears";
        d.click(Row(2).onBox);
        EXPECT_FALSE(d.isChecked(Row(2).onBox));
        d.click(Row(0).nameBox);
        EXPECT_TRUE(d.isChecked(Row(0).onBox)) << "行政界: the name box switches the row on";
        d.selectTab(kTabs, 1);
        d.click(Row(5).fillBox);
        EXPECT_TRUE(d.isChecked(Row(5).fillBox));
        EXPECT_FALSE(d.isChecked(Row(5).onBox)) << "指定地域 １: the fill box does not";
        d.click(Row(8).nameBox);
        EXPECT_FALSE(d.isChecked(Row(8).onBox)) << "農業地域: nor the name box";
        d.click(Row(5).nameBox);
        EXPECT_TRUE(d.isChecked(Row(5).onBox)) << "都市計画区域: the name box does";
        d.selectTab(kTabs, 2);
        d.click(Row(10).fillBox);
        EXPECT_FALSE(d.isChecked(Row(10).onBox)) << "三大都市圏: the fill box does not";
        d.click(Row(12).fillBox);
        EXPECT_TRUE(d.isChecked(Row(12).fillBox));
        EXPECT_TRUE(d.isChecked(Row(12).onBox)) << "リゾート法: the fill box does";
        d.click(Row(12).fillBox);
        EXPECT_FALSE(d.isChecked(Row(12).fillBox)) << "a second click clears the fill only";
        EXPECT_TRUE(d.isChecked(Row(12).onBox));
        d.selectTab(kTabs, 3);
        d.click(Row(4).nameBox);
        EXPECT_FALSE(d.isChecked(Row(4).onBox)) << "流域界: nothing switches it on";
        d.click(Row(4).onBox);
        EXPECT_TRUE(d.isChecked(Row(4).onBox));
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.ints[0], (std::array<int, 4>{1, 0, 0, 1}));
    EXPECT_EQ(a.ints[1], (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(a.ints[5], (std::array<int, 4>{1, 0, 1, 1}));
    EXPECT_EQ(a.ints[8], (std::array<int, 4>{0, 0, 0, 1}));
    EXPECT_EQ(a.ints[10], (std::array<int, 4>{0, 0, 1, 0}));
    EXPECT_EQ(a.ints[12], (std::array<int, 4>{1, 0, 0, 0}));
    EXPECT_EQ(a.ints[4], (std::array<int, 4>{1, 0, 0, 1}));
}

TEST_F(SurfaceDialogTest, FileChoicesGiveAFolderWithItsCodeOrALowerCaseFile)
{
    script->answerFileDialog("C:\\Data\\A10-06_134.txt");
    script->answerFileDialog("C:\\Data\\A10-06_134.txt");
    script->answerFileDialog("C:\\Data\\ab.txt");
    script->answerFileDialog("C:\\地図\\地図データ.txt");
    script->answerFileDialog("C:\\X.TXT");
    script->answerFileDialog("D:\\Data\\W07-01_x.txt");
    script->answerFileDialog("D:\\Data\\N03-01_ab.txt");
    script->cancelFileDialog();
    const Answer a(Run(Integers{}.text(), [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 1);
        d.click(Row(5).fileButton);
        EXPECT_EQ(d.text(Row(5).textEdit), "C:\\Data\\(A10-06_13)") << "k = 9";
        d.click(Row(9).fileButton);
        EXPECT_EQ(d.text(Row(9).textEdit), "C:\\Data\\(A10-06_1)") << "森林地域: k = 8";
        d.click(Row(6).fileButton);
        EXPECT_EQ(d.text(Row(6).textEdit), "C:\\Data\\(ab.txt)") << "a shorter name goes whole";
        d.click(Row(7).fileButton);
        EXPECT_EQ(d.text(Row(7).textEdit), "C:\\地図\\(地図デー)") << "never half a character";
        EXPECT_FALSE(d.isChecked(Row(5).onBox)) << "a choice switches nothing on";
        d.selectTab(kTabs, 2);
        d.click(Row(10).fileButton);
        EXPECT_EQ(d.text(Row(10).textEdit), "c:\\x.txt");
        d.selectTab(kTabs, 3);
        d.click(Row(4).fileButton);
        EXPECT_EQ(d.text(Row(4).textEdit), "D:\\Data\\(W07-01_)") << "k = 7";
        d.selectTab(kTabs, 0);
        d.click(Row(0).fileButton);
        EXPECT_EQ(d.text(Row(0).textEdit), "D:\\Data\\(N03-01_a)") << "k = 8";
        d.click(Row(1).fileButton);
        EXPECT_EQ(d.text(Row(1).textEdit), "") << "a cancelled choice changes nothing";
        d.click(Row(0).onBox);
        EXPECT_TRUE(d.isChecked(Row(0).onBox)) << "a chosen folder lets the row be switched on";
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(script->beeps(), 8);
    EXPECT_EQ(a.file(5), "C:\\Data\\(A10-06_13)");
    EXPECT_EQ(a.file(10), "c:\\x.txt");
    EXPECT_EQ(a.file(4), "D:\\Data\\(W07-01_)");
    EXPECT_EQ(a.on(0), 1);
    EXPECT_EQ(a.on(5), 0);
}

TEST_F(SurfaceDialogTest, TypedBarsCannotShiftTheAnswerAndLinuxPathsTakeTheProgramsForm)
{
    const Answer a(Run(Integers{}.text(), [](vd::DialogDriver& d) {
        d.setText(Row(0).nameEdit, "行政|界");
        d.setText(Row(0).textEdit, "D:\\a|b\\(N03)");
        d.selectTab(kTabs, 3);
        d.setText(Row(13).textEdit, "/srv/ksj/w09.txt");
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.name[0], "行政｜界");
    EXPECT_EQ(a.file(0), "D:\\a｜b\\(N03)");
    EXPECT_EQ(a.file(13), "Z:\\srv\\ksj\\w09.txt");
    // Without a settings file, the file is made under the dialog's own spelling.
    const std::string file = vd::cp932ToUtf8(ReadBytes(HomeFolder() / "DDDSFILE.DAT"));
    EXPECT_NE(file.find("T1_1=行政｜界\r\n"), std::string::npos);
    EXPECT_NE(file.find("F1_1=D:\\a｜b\\(N03)\r\n"), std::string::npos);
}
