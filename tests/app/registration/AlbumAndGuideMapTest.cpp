// Albums registered and updated through the dialog library's album dialogs (faked), and a guide
// map's point updated in the text/picture update dialog (145).
#include "RegistrationTestSupport.h"

#include "app/registration/UpdateTextPictureDialog.h"
#include "platform/sys/ApplicationFolder.h"

#include <filesystem>

using namespace registrationtest;

namespace {

using namespace updatetextpictureids;

TEST_F(Registration, AlbumRegistrationAnswersByTheDialogsAnswer)
{
    doc->pointer.m_nMouseTool = 4;
    struct Case {
        std::string answer, expected;
        int clickMode;
    } cases[] = {
        {"4||||", "cancel", 4},
        {"0|||名前|品", "STOP", 0},
        {"4|135.3000|35.1000|湖 の 畔|", "湖\u3000の\u3000畔 ***** 35.1000 135.3000", 4},
        {"4|135.3000|35.1000|宿|温泉", "宿 温泉 35.1000 135.3000", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        doc->pointer.m_nMouseTool = 4;
        Answer("OnDLLAlbumRegist", c.answer);
        EXPECT_EQ(doc->RegisterAlbum("35.1000", "135.3000", "Z:\\a\\ALBUM\\G1.alb", ""), c.expected);
        EXPECT_EQ(doc->pointer.m_nMouseTool, c.clickMode);
        EXPECT_EQ(doc->repaint.m_bDialogOpen, 0);
    }
    EXPECT_NE(FakeLog().find("OnDLLAlbumRegist(4,135.3000,35.1000,Z:\\a\\ALBUM\\G1.alb,)"), std::string::npos);
}

class WithoutDialogLibrary : public Registration {
protected:
    void SetUp() override
    {
        dialogLibrary = "/nonexistent/libtovendlg.so";
        Registration::SetUp();
    }
};

TEST_F(WithoutDialogLibrary, AlbumFlowsAnswerCancel)
{
    WriteDataFile({"旅 35.0000 135.0000 湖 z:\\album\\g1.alb z:\\album\\g1.alb"});
    const std::string before = DataBytes();
    EXPECT_EQ(doc->RegisterAlbum("35.1000", "135.3000", "Z:\\a\\ALBUM\\G1.alb", ""), "cancel");
    EXPECT_EQ(doc->UpdateAlbum("旅", "湖", "z:\\album\\g1.alb", "35.0000", "135.0000", ""), "cancel");
    EXPECT_EQ(DataBytes(), before);
}

TEST_F(Registration, AlbumUpdateActionsRewriteOrDeleteTheAlbum)
{
    std::filesystem::create_directories(doctest::Home() / "ALBUM");
    const std::string album = vd::applicationFolder() + "ALBUM\\G4C1fdd.alb";
    doctest::WriteBytes(doctest::Home() / "ALBUM" / "G4C1fdd.alb", "page\r\n");
    const std::string line = "旅 35.0000 135.0000 湖 " + album + " " + album;
    WriteDataFile({"寺 34.0000 135.0000 寺社 c:\\t.txt", line});
    const std::string lowered = [&] {
        std::string text = album;
        for (char& c : text)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }();

    Answer("OnAlbumUpdate", "");
    EXPECT_EQ(doc->UpdateAlbum("旅", "湖", album, "35.0000", "135.0000", ""), "");
    Answer("OnAlbumUpdate", "2|7|x");
    EXPECT_EQ(doc->UpdateAlbum("旅", "湖", album, "35.0000", "135.0000", ""), "7|x") << "an unknown action";

    Answer("OnAlbumUpdate", "2|1|旅行 35.0100 135.0100 湖 ");
    EXPECT_EQ(doc->UpdateAlbum("旅", "湖", album, "35.0000", "135.0000", ""), "update");
    EXPECT_EQ(DataBytes(), userdatatest::Cp932Lines({"寺 34.0000 135.0000 寺社 c:\\t.txt",
                                                     "旅行 35.0100 135.0100 湖 " + lowered}));
    Answer("OnAlbumUpdate", "0|2|旅 35.0000 135.0000 湖 ");
    EXPECT_EQ(doc->UpdateAlbum("旅行", "湖", album, "35.0000", "135.0000", ""), "update_end");
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);

    doc->pointer.m_nMouseTool = 2;
    Answer("OnAlbumUpdate", "2|3|");
    EXPECT_EQ(doc->UpdateAlbum("旅", "湖", album, "35.0000", "135.0000", ""), "deleate");
    EXPECT_EQ(DataBytes(), userdatatest::Cp932Lines({"寺 34.0000 135.0000 寺社 c:\\t.txt"}));
    EXPECT_FALSE(std::filesystem::exists(doctest::Home() / "ALBUM" / "G4C1fdd.alb"));
    EXPECT_NE(FakeLog().find("OnAlbumUpdate(2,," + album + ",旅,湖,135.0000,35.0000,"), std::string::npos);
}

TEST_F(Registration, AGuideMapPointIsEditedInTheUpdateDialog)
{
    doc->position.m_nMapType = 4;
    std::filesystem::create_directories(doctest::Home() / "GUIDEMAP");
    const userdatatest::Fixture guide = userdatatest::WriteFixture(
        "GUIDEMAP/park.dat", userdatatest::Cp932Lines({"門 120 340 正門 z:\\p\\gate.bmp", "池 200 100 水辺 z:\\t\\pond.txt"}));
    doc->menus.m_astrGuideMapCurrent[2] = vd::applicationFolder() + "GUIDEMAP\\park.dat";

    script->answerDialog(145, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(IDC_PICTURE_FILE), "z:\\p\\gate.bmp") << "one picture file";
        EXPECT_EQ(d.text(IDC_TEXT_FILE), "");
        EXPECT_EQ(d.text(IDC_X), "345") << "the dragged point's new place";
        EXPECT_EQ(d.text(IDC_Y), "118");
        d.setText(IDC_NAME, "東 門");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(doc->UpdatePointEntry("門 120 340 正門 z:\\p\\gate.bmp", "MK_LBUTTON", "345", "118", 0), "");
    EXPECT_EQ(doctest::ReadBytes(guide.file), userdatatest::Cp932Lines({"東\u3000門 118 345 正門 z:\\p\\gate.bmp",
                                                                        "池 200 100 水辺 z:\\t\\pond.txt"}));

    script->cancelFileDialog();
    script->answerDialog(145, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(IDC_TEXT_FILE), "z:\\t\\pond.txt") << "one text file";
        EXPECT_EQ(d.text(IDC_X), "100");
        d.click(IDC_PICTURE_CHOOSER);
        EXPECT_EQ(d.text(IDC_PICTURE_FILE), "") << "a cancelled chooser keeps the field";
        d.click(IDC_END_UPDATE);
    });
    EXPECT_EQ(doc->UpdatePointEntry("池 200 100 水辺 z:\\t\\pond.txt", "", "1", "2", 1), "cancel");
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);
    ASSERT_EQ(script->fileDialogs().size(), 1u);
    EXPECT_EQ(script->fileDialogs()[0].filter,
              "BMP files (*.bmp)|*.bmp|JPG files (*.jpg)|*.jpg|GIF files (*.gif)|*.gif|PCD files (*.pcd)|*.pcd|"
              "PIC files (*.pic)|*.pic|All files (*.*)|*.*||");
    EXPECT_EQ(script->fileDialogs()[0].initialName, "*.bmp");
}

} // namespace
