// A probabilistic seismic hazard file registered and switched on colours the start sheet 京都及大阪,
// drawn headless by the built Halvette; switched off, or with nothing registered, the sheet stays
// as it was.
#include "tests/view/MapViewFixture.h"
#include "tests/view/layers/HazardFile.h"

#include "platform/text/Cp932.h"
#include "platform/text/StringOps.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/PathForm.h"
#include "seismic/HalvetteModule.h"
#include "seismic/settings/SeismicFileFormatDialog.h"
#include "seismic/settings/SeismicRegisterDialog.h"
#include "seismic/settings/SeismicSettingsDialog.h"

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

using hazardfixture::WriteHazardFile;
const vd::COLORREF kClass4 = hazardfixture::kHazardClass4;

class SeismicHazardDrawing : public viewtest::MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        doc->m_strMapName = "京都及大阪";
        doc->FindSheetByName(doc->m_strMapName, doc->folders.m_strSheetIndexFile);
        doc->position.m_nMapType = 1;
        doc->position.m_nMapFrame = 1;
    }

    int ClassPixels()
    {
        picture = std::make_unique<vd::ImageDc>(kWidth, kHeight);
        doc->m_nMapDisplayMode = 5; // drawn again, not from the kept picture
        Repaint();
        int count = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                count += picture->GetPixel(x, y) == kClass4;
        return count;
    }

    void SwitchOn()
    {
        doc->seismic.m_anSeisSetting = {0, 0, 1, 0, 0, 0, 0, 0, 0, 0}; // probabilistic map, entry 0
        doc->seismic.m_bSeismicLayer = 1;
    }
};

} // namespace

TEST_F(SeismicHazardDrawing, ARegisteredFileColoursTheStartSheet)
{
    ASSERT_EQ(ClassPixels(), 0);
    SwitchOn();
    EXPECT_EQ(ClassPixels(), 0) << "nothing registered, nothing drawn";

    const fs::path folder = doctest::Home() / "hazard data";
    fs::create_directories(folder);
    WriteHazardFile(folder / "kansai_ps.csv");
    std::ofstream(doctest::Home() / "SEISFILE.DAT", std::ios::binary)
        << vd::utf8ToCp932(";-----確率論的地震動予測地図データファイル--------\r\n関西=" + doc->folders.m_strAppDir +
                           "hazard data\\kansai_ps.csv\r\n");
    // The whole sheet is one first-level mesh: most of the map area takes the class colour.
    EXPECT_GT(ClassPixels(), kWidth * kHeight / 3);
    EXPECT_TRUE(fs::exists(folder / "KANSAI_PS.hdr"));

    doc->seismic.m_anSeisSetting[2] = 0;
    EXPECT_EQ(ClassPixels(), 0) << "switched off";
}

TEST_F(SeismicHazardDrawing, TheSettingsCommandRegistersAndChoosesTheMapDrawn)
{
    const fs::path file = doctest::Home() / "hazard data" / "kansai_ps.csv";
    fs::create_directories(file.parent_path());
    WriteHazardFile(file);
    ASSERT_EQ(ClassPixels(), 0);

    // As a new user: the settings, "登録" on the first page, the file and a name, then "表示する".
    script->answerDialog(kHalvetteModule, CDlgSeisFileSet::IDD, [](vd::DialogDriver& d) {
        d.page(kProbabilisticPage.templateId).click(kProbabilisticPage.registerButton);
        d.page(kProbabilisticPage.templateId).click(kProbabilisticPage.show);
        d.click(vd::IDOK);
    });
    script->answerDialog(kHalvetteModule, CDlgSeisFileRegist::IDD, [](vd::DialogDriver& r) {
        r.click(seismicregisterids::IDC_BROWSE);
        r.setText(seismicregisterids::IDC_NAME, "関西");
        r.click(vd::IDOK);
    });
    script->answerFileDialog(vd::ui::toWindowsForm(file.string()));
    frame->routeCommand(32835);
    EXPECT_TRUE(script->unanswered().empty());
    EXPECT_EQ(doc->seismic.m_anSeisSetting[2], 1);
    EXPECT_EQ(doc->seismic.m_anSeisSetting[3], 0);
    EXPECT_EQ(doc->seismic.m_bSeismicLayer, 1);
    EXPECT_EQ(doc->GetSeismicMapTitle(), "関西");
    EXPECT_GT(ClassPixels(), kWidth * kHeight / 3);

    // The data file's description opens for the entry chosen.
    std::string shown;
    script->answerDialog(kHalvetteModule, CDlgSeisFileFormat::IDD, [&](vd::DialogDriver& d) {
        shown = d.text(seismicfileformatids::IDC_HEADER_TEXT);
        d.click(vd::IDOK);
    });
    frame->routeCommand(32837);
    EXPECT_EQ(shown.rfind("名称：関西\r\nﾌｧｲﾙ：" + vd::toLowerAscii(vd::ui::toWindowsForm(file.string())) + "\r\n", 0), 0u)
        << shown.substr(0, 200);
    EXPECT_NE(shown.find("# fixture: one value over the start sheet\r\n"), std::string::npos);
}
