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
        d.click(1061);
        EXPECT_FALSE(d.isChecked(1061)) << "no folder: the box clears";
        d.click(1062);
        EXPECT_FALSE(d.isChecked(1062));
        d.click(1072);
        EXPECT_TRUE(d.isChecked(1060)) << "行政界: the name box switches the row on";
        d.selectTab(kTabs, 1);
        d.click(1570);
        EXPECT_TRUE(d.isChecked(1570));
        EXPECT_FALSE(d.isChecked(1560)) << "指定地域 １: the fill box does not";
        d.click(1578);
        EXPECT_FALSE(d.isChecked(1563)) << "農業地域: nor the name box";
        d.click(1575);
        EXPECT_TRUE(d.isChecked(1560)) << "都市計画区域: the name box does";
        d.selectTab(kTabs, 2);
        d.click(1101);
        EXPECT_FALSE(d.isChecked(1095)) << "三大都市圏: the fill box does not";
        d.click(1103);
        EXPECT_TRUE(d.isChecked(1103));
        EXPECT_TRUE(d.isChecked(1097)) << "リゾート法: the fill box does";
        d.click(1103);
        EXPECT_FALSE(d.isChecked(1103)) << "a second click clears the fill only";
        EXPECT_TRUE(d.isChecked(1097));
        d.selectTab(kTabs, 3);
        d.click(1621);
        EXPECT_FALSE(d.isChecked(1612)) << "流域界: nothing switches it on";
        d.click(1612);
        EXPECT_TRUE(d.isChecked(1612));
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
        d.click(1580);
        EXPECT_EQ(d.text(1553), "C:\\Data\\(A10-06_13)") << "k = 9";
        d.click(1584);
        EXPECT_EQ(d.text(1557), "C:\\Data\\(A10-06_1)") << "森林地域: k = 8";
        d.click(1581);
        EXPECT_EQ(d.text(1554), "C:\\Data\\(ab.txt)") << "a shorter name goes whole";
        d.click(1582);
        EXPECT_EQ(d.text(1555), "C:\\地図\\(地図デー)") << "never half a character";
        EXPECT_FALSE(d.isChecked(1560)) << "a choice switches nothing on";
        d.selectTab(kTabs, 2);
        d.click(1107);
        EXPECT_EQ(d.text(1092), "c:\\x.txt");
        d.selectTab(kTabs, 3);
        d.click(1624);
        EXPECT_EQ(d.text(1608), "D:\\Data\\(W07-01_)") << "k = 7";
        d.selectTab(kTabs, 0);
        d.click(1076);
        EXPECT_EQ(d.text(1037), "D:\\Data\\(N03-01_a)") << "k = 8";
        d.click(1077);
        EXPECT_EQ(d.text(1045), "") << "a cancelled choice changes nothing";
        d.click(1060);
        EXPECT_TRUE(d.isChecked(1060)) << "a chosen folder lets the row be switched on";
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
        d.setText(1034, "行政|界");
        d.setText(1037, "D:\\a|b\\(N03)");
        d.selectTab(kTabs, 3);
        d.setText(1598, "/srv/ksj/w09.txt");
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
