// The colours of the tint map as a user changes them: the map type (Ctrl+T), the colour set from
// the menu bar and the right-click menu, and the elevation legend, each through the built dialog
// library's dialog, with the map on screen redrawn in the tints of the set on disk.
#include "MainWindowFixture.h"

#include "dialogs/ColourSetDialog.h"
#include "dialogs/ElevationLegendDialog.h"
#include "dialogs/MapTypeDialog.h"
#include "graphics/TintRamp.h"
#include "platform/dc/Dib.h"
#include "platform/dc/ImageDc.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/DialogDriver.h"
#include "tests/app/doc/DocumentTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kColourSetMenuItem = 33262, kColourSetPopupItem = 33265;
constexpr int kLegendMenuItem = 33258, kLegendPopupItem = 33259;
// The colour-set dialog's swatch of 1,000 m.
constexpr int kSwatch1000m = coloursetids::kSwatchIds[4];
// The map-type dialog's colouring method.
constexpr int kGradation = 1;

// The level every sheet bitmap of the tests holds: 750 m, between the 500 m and 1,000 m classes.
constexpr int kLandLevel = 50;

// Elevation bitmaps for the start sheet's 3 x 3 block, land of one level throughout.
void WriteSheetBitmaps()
{
    fs::create_directories(doctest::Home() / "MAPFGRS");
    vd::Dib sheet = vd::Dib::Create(160, 160, 8);
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 160; ++x)
            sheet.SetIndex(x, y, kLandLevel);
    for (int lat = 51; lat <= 53; ++lat)
        for (int lon = 34; lon <= 36; ++lon)
            ASSERT_TRUE(sheet.WriteFile((doctest::Home() / "MAPFGRS" / vd::format("%d%d.bmp", lat, lon)).string()));
}

std::string SetFile(int set)
{
    return vd::format("ATLAS%d.PLT", set + 1);
}

// The colour the program's ramp of a set file on disk gives a level.
QRgb Tint(const CVeldoranDoc& doc, const std::string& file, int level)
{
    const TintRamp ramp = InterpolateTintRamp(ReadColourSetRows(doc.folders.m_strPaletteDir + file));
    return qRgb(ramp.red[level], ramp.green[level], ramp.blue[level]);
}

int CountOf(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

// A pixel in the middle of the view showing the colour; (-1, -1) when there is none.
QPoint SampleOf(const QImage& image, QRgb colour)
{
    for (int y = image.height() / 2; y < image.height(); ++y)
        for (int x = image.width() / 2; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                return {x, y};
    return {-1, -1};
}

std::uint32_t Swatch(vd::DialogDriver& d, int id)
{
    vd::ImageDc dc(vd::captureWindow(d.control(id)));
    return dc.GetPixel(20, 8);
}

// Every file of the PALETTE\ folder with its bytes.
std::map<std::string, std::string> PaletteFiles()
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(doctest::Home() / "PALETTE"))
        files[entry.path().filename().string()] = doctest::ReadBytes(entry.path());
    return files;
}

// Runs a command with its dialog answered, and waits for the dialog and the map after it.
bool RunWithDialog(MainWindow& w, int dialog, vd::ui::Script::DialogActions actions, const std::function<void()>& choose)
{
    w.run.script->answerDialog(dialog, std::move(actions));
    const std::size_t run = w.run.script->dialogsRun().size();
    choose();
    return waitFor([&] { return w.run.script->dialogsRun().size() > run; }, 10000) && w.waitUntilMapShown();
}

bool PressCtrlT(MainWindow& w, vd::ui::Script::DialogActions actions)
{
    return RunWithDialog(w, CDlgMapType::IDD, std::move(actions), [&w] {
        w.main->activateWindow();
        QApplication::setActiveWindow(w.main);
        QTest::keyClick(w.main, Qt::Key_T, Qt::ControlModifier);
    });
}

bool ChooseFromBar(MainWindow& w, int item, int dialog, vd::ui::Script::DialogActions actions)
{
    return RunWithDialog(w, dialog, std::move(actions), [&w, item] { ASSERT_TRUE(ChooseFromMenuBar(w.bar(), item)); });
}

bool ChooseFromMapMenu(MainWindow& w, int item, int dialog, vd::ui::Script::DialogActions actions)
{
    return RunWithDialog(w, dialog, std::move(actions), [&w, item] {
        w.run.script->answerPopupMenu(item);
        QTest::mouseClick(w.viewWidget(), Qt::RightButton, {}, QPoint(300, 300));
    });
}

// The start sheet made a tint map of the set through the map-type dialog.
bool ShowTintMap(MainWindow& w, int set)
{
    return PressCtrlT(w, [set](vd::DialogDriver& d) {
        d.click(maptypeids::IDC_TINT_MAP);
        d.selectCombo(maptypeids::IDC_SET_COMBO, set);
        d.selectCombo(maptypeids::IDC_STEP_COMBO, kGradation);
        d.click(vd::IDOK);
    });
}

class TintColours : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteSheetBitmaps();
        ASSERT_TRUE(w.start());
    }
    CVeldoranDoc& doc() { return w.doc(); }
    MainWindow w;
};

TEST_F(TintColours, CtrlTMakesATintMapOfTheChosenSetAndAWhiteMapAgain)
{
    const QImage white = w.shown();
    const QRgb tint = Tint(doc(), SetFile(2), kLandLevel);
    EXPECT_EQ(CountOf(white, tint), 0);

    // Cancel keeps the white map.
    ASSERT_TRUE(PressCtrlT(w, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); }));
    EXPECT_EQ(doc().position.m_nMapFigure, 0);
    EXPECT_EQ(w.shown(), white);

    ASSERT_TRUE(ShowTintMap(w, 2));
    EXPECT_EQ(doc().position.m_nMapFigure, 1);
    EXPECT_EQ(doc().colours.m_nPaletteNo, 2);
    EXPECT_EQ(doc().colours.m_nColorStep, kGradation);
    const QImage tinted = w.shown();
    EXPECT_GT(CountOf(tinted, tint), tinted.width() * tinted.height() / 4) << "the block's land in the set's tint";

    // Cancel keeps the tint map; the dialog opens on it.
    ASSERT_TRUE(PressCtrlT(w, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(maptypeids::IDC_TINT_MAP));
        EXPECT_EQ(d.text(maptypeids::IDC_SET_COMBO), "地図帳(高度帯)");
        d.click(vd::IDCANCEL);
    }));
    EXPECT_EQ(doc().position.m_nMapFigure, 1);
    EXPECT_EQ(w.shown(), tinted);

    ASSERT_TRUE(PressCtrlT(w, [](vd::DialogDriver& d) {
        d.click(maptypeids::IDC_WHITE_MAP);
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(doc().position.m_nMapFigure, 0);
    EXPECT_EQ(CountOf(w.shown(), tint), 0);
    EXPECT_EQ(doc().colours.m_nPaletteNo, 2) << "the set is kept for the next tint map";
}

TEST_F(TintColours, AnotherSetChosenFromTheMenuBarRetintsTheMap)
{
    ASSERT_TRUE(ShowTintMap(w, 0));
    const auto filesBefore = PaletteFiles();
    const QPoint land = SampleOf(w.shown(), Tint(doc(), SetFile(0), kLandLevel));
    ASSERT_NE(land, QPoint(-1, -1));

    ASSERT_TRUE(ChooseFromBar(w, kColourSetMenuItem, CDlgColourSet::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(coloursetids::IDC_SET_COMBO), "地図帳(通常)");
        d.selectCombo(coloursetids::IDC_SET_COMBO, 3);
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(doc().colours.m_nPaletteNo, 3);
    const QRgb tint = Tint(doc(), SetFile(3), kLandLevel);
    EXPECT_NE(tint, Tint(doc(), SetFile(0), kLandLevel));
    EXPECT_EQ(w.shown().pixel(land), tint);
    const QRgb sea = Tint(doc(), SetFile(3), 0);
    EXPECT_EQ(doc().colours.m_crSeaColour, vd::RGB(qRed(sea), qGreen(sea), qBlue(sea)));
    EXPECT_EQ(PaletteFiles(), filesBefore) << "choosing a set writes nothing";
}

TEST_F(TintColours, ASavedColourChangeRetintsTheMapAndStaysInTheSetFile)
{
    ASSERT_TRUE(ShowTintMap(w, 0));
    const QRgb before = Tint(doc(), SetFile(0), kLandLevel);
    const QPoint land = SampleOf(w.shown(), before);
    ASSERT_NE(land, QPoint(-1, -1));

    w.run.script->answerColour(vd::RGB(250, 0, 250));
    ASSERT_TRUE(ChooseFromMapMenu(w, kColourSetPopupItem, CDlgColourSet::IDD, [](vd::DialogDriver& d) {
        d.click(kSwatch1000m);
        EXPECT_EQ(d.text(coloursetids::IDC_EDIT), "更新");
        d.click(coloursetids::IDC_EDIT);
        d.click(vd::IDOK);
    }));
    ASSERT_EQ(w.run.script->messageBoxes().size(), 1u);
    EXPECT_EQ(w.run.script->messageBoxes()[0].text, "現在選択中の配色を更新します！");
    const std::string file = doctest::ReadBytes(doctest::Home() / "PALETTE" / SetFile(0));
    EXPECT_NE(file.find("\r\n1000 250   0 250     1,000m\r\n"), std::string::npos) << vd::cp932ToUtf8(file);

    EXPECT_EQ(doc().colours.m_nPaletteNo, 0);
    const QRgb after = Tint(doc(), SetFile(0), kLandLevel);
    EXPECT_NE(after, before);
    EXPECT_EQ(w.shown().pixel(land), after);
}

TEST_F(TintColours, CancelLeavesTheSetItsFilesAndTheMap)
{
    ASSERT_TRUE(ShowTintMap(w, 0));
    const QImage shown = w.shown();
    const auto filesBefore = PaletteFiles();
    const vd::COLORREF sea = doc().colours.m_crSeaColour, lakes = doc().colours.m_crLakeColour,
                       background = doc().colours.m_crBackground;

    // Another set chosen and a colour changed in it, then cancelled, from both menus.
    const auto changeThenCancel = [](vd::DialogDriver& d) {
        d.selectCombo(coloursetids::IDC_SET_COMBO, 5);
        d.click(kSwatch1000m);
        d.click(vd::IDCANCEL);
    };
    w.run.script->answerColour(vd::RGB(1, 1, 1));
    ASSERT_TRUE(ChooseFromBar(w, kColourSetMenuItem, CDlgColourSet::IDD, changeThenCancel));
    w.run.script->answerColour(vd::RGB(1, 1, 1));
    ASSERT_TRUE(ChooseFromMapMenu(w, kColourSetPopupItem, CDlgColourSet::IDD, changeThenCancel));

    EXPECT_EQ(doc().colours.m_nPaletteNo, 0);
    EXPECT_EQ(doc().colours.m_crSeaColour, sea);
    EXPECT_EQ(doc().colours.m_crLakeColour, lakes);
    EXPECT_EQ(doc().colours.m_crBackground, background);
    EXPECT_EQ(PaletteFiles(), filesBefore);
    EXPECT_EQ(w.shown(), shown);
}

TEST_F(TintColours, TheElevationLegendShowsTheSetOfTheMapFromBothMenus)
{
    ASSERT_TRUE(ShowTintMap(w, 2));
    const auto legend = [this](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(legendids::IDC_SET_NAME), "地図帳(高度帯)");
        const QRgb at500m = Tint(doc(), SetFile(2), TintLevelOfElevation(500));
        EXPECT_EQ(Swatch(d, legendids::IDC_BELOW_1000M), vd::RGB(qRed(at500m), qGreen(at500m), qBlue(at500m)));
        EXPECT_EQ(Swatch(d, legendids::IDC_LAKES), doc().colours.m_crLakeColour);
        d.click(vd::IDOK);
    };
    ASSERT_TRUE(ChooseFromBar(w, kLegendMenuItem, CDlgElevationLegend::IDD, legend));
    ASSERT_TRUE(ChooseFromMapMenu(w, kLegendPopupItem, CDlgElevationLegend::IDD, legend));
    EXPECT_EQ(w.run.script->dialogsRun(),
              (std::vector<int>{CDlgMapType::IDD, CDlgElevationLegend::IDD, CDlgElevationLegend::IDD}));
    EXPECT_TRUE(w.run.script->unanswered().empty());
}

} // namespace
