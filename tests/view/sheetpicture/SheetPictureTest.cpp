// Map modes 22-24 through the view: the submarine maps through a logging Ombrisk, and the
// guide-map picture fitted to the window with its frame, shadow, buttons and registered points.
#include "MapViewFixture.h"

#include "platform/dc/RecordingDc.h"
#include "platform/ui/PathForm.h"
#include "tests/graphics/JpegFixtures.h"
#include "view/navigation/ViewNavigation.h"
#include "view/renderer/MapRenderer.h"
#include "view/sheetpicture/PictureFit.h"
#include "view/sheetpicture/SheetPictures.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace viewtest;

TEST(PictureFit, CentresOrShrinksInProportion)
{
    const struct {
        int w, h;
        PictureFit fit;
    } cases[] = {
        {200, 100, {350, 300, 200, 100, false}},
        {898, 100, {1, 300, 898, 100, false}},
        // As wide as the window less one: offset 0 is below 1, so it is shrunk.
        {899, 100, {10, (700 - int(880.0 / 899 * 100)) / 2, 880, int(880.0 / 899 * 100), true}},
        {1800, 400, {10, 252, 880, 195, true}},
        // Too tall: the height goes to H - 20 and the width in proportion; the left stays.
        {400, 1000, {250, 10, int(680.0 / 1000 * 400), 680, true}},
        // Too wide and, after that, still too tall.
        {1000, 2000, {10, 10, int(680.0 / 1760 * 880), 680, true}},
    };
    for (const auto& c : cases) {
        const PictureFit fit = FitPicture(900, 700, c.w, c.h);
        EXPECT_EQ(fit.left, c.fit.left) << c.w << "x" << c.h;
        EXPECT_EQ(fit.top, c.fit.top) << c.w << "x" << c.h;
        EXPECT_EQ(fit.width, c.fit.width) << c.w << "x" << c.h;
        EXPECT_EQ(fit.height, c.fit.height) << c.w << "x" << c.h;
        EXPECT_EQ(fit.shrunk, c.fit.shrunk) << c.w << "x" << c.h;
    }
}

class SheetPicture : public MapView {
protected:
    void BeforeDocument() override
    {
        ASSERT_TRUE(vd::LibraryLoader::setOverride("Ombrisk.dll", VD_FAKE_SHEET_LAYERS));
    }
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        doc->position.m_nMapType = 4;
        doc->menus.m_nGuideMapIndex = 0;
        doc->spec.m_nPointPopup = 0;
        doc->spec.m_nPointLabel = 3;
        doc->spec.m_nSymbolSize = 2;
        doc->menus.m_astrGuideMapCurrent = {doc->folders.m_strAppDir + "GUIDE\\PICT.BMP", "案内",
                                            doc->folders.m_strAppDir + "GUIDE\\PICT.dat"};
        Log().clear();
    }
    static std::string& Log()
    {
        using LogFn = std::string*();
        return *vd::entryPoint<LogFn>("Ombrisk.dll", "FakeSheetLayersLog")();
    }
    // A w x h bitmap: blue with a red top-left pixel.
    static std::string Bitmap(int w, int h)
    {
        vd::Dib dib = vd::Dib::Create(w, h, 24);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                dib.SetPixel(x, y, x == 0 && y == 0 ? vd::RGB(255, 0, 0) : vd::RGB(0, 0, 255));
        const std::vector<std::uint8_t> bytes = dib.FileBytes();
        return std::string(bytes.begin(), bytes.end());
    }
    void WritePoints(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const auto& line : lines)
            text += vd::utf8ToCp932(line) + "\r\n";
        WriteHomeFile("GUIDE/PICT.dat", text);
    }
};

TEST_F(SheetPicture, AFittingPictureIsCentredFramedAndShadowed)
{
    WriteHomeFile("GUIDE/PICT.BMP", Bitmap(200, 100));
    WritePoints({});
    doc->m_nMapDisplayMode = 24;
    Repaint();
    const int left = 350, top = 300;
    EXPECT_EQ(picture->GetPixel(5, 5), vd::RGB(160, 160, 160));
    EXPECT_EQ(picture->GetPixel(left, top), vd::RGB(255, 0, 0));
    EXPECT_EQ(picture->GetPixel(left + 199, top + 99), vd::RGB(0, 0, 255));
    EXPECT_EQ(picture->GetPixel(left - 1, top - 1), vd::RGB(0, 0, 0)) << "frame";
    EXPECT_EQ(picture->GetPixel(left + 200, top + 50), vd::RGB(0, 0, 0)) << "frame";
    EXPECT_EQ(picture->GetPixel(left + 201, top + 50), vd::RGB(0, 0, 0)) << "shadow";
    EXPECT_EQ(picture->GetPixel(left + 100, top + 101), vd::RGB(0, 0, 0)) << "shadow";
    EXPECT_EQ(picture->GetPixel(left + 202, top + 50), vd::RGB(160, 160, 160));
    EXPECT_EQ(view->m_pNavigation->m_nPictureWidth, 200);
    EXPECT_EQ(doc->m_fRefLongitude, float(left));
    EXPECT_EQ(doc->m_fRefLatitude, float(top));
    EXPECT_EQ(ShownButtons(), (std::vector<std::string>{"12 他地域", "26 仕様", "27 1/20万", "28 設定", "29 ｽﾗｲﾄﾞ"}));
    EXPECT_EQ(doc->repaint.m_nSavedMapDisplayMode, 24);
}

TEST_F(SheetPicture, AWidePictureIsStretchedIntoTheWindow)
{
    WriteHomeFile("GUIDE/PICT.BMP", Bitmap(899, 100));
    WritePoints({});
    vd::RecordingDc dc;
    DrawSheetPicture(*view, dc);
    std::vector<vd::Rect> stretched;
    for (const auto& call : dc.Calls()) {
        EXPECT_NE(call.op.kind, vd::DrawOp::BitBlt);
        if (call.op.kind == vd::DrawOp::StretchBlt)
            stretched.push_back(call.op.rect);
    }
    EXPECT_EQ(stretched, (std::vector<vd::Rect>{{10, 301, 890, 301 + 97}}));
    EXPECT_EQ(view->m_pNavigation->m_nPictureWidth, 880);
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
}

TEST_F(SheetPicture, AJpegPictureIsShownToo)
{
    WriteHomeFile("GUIDE/PICT.JPG", MakeJpegBytes(JpegKind::Rgb, 120, 80, [](int, int) {
                      return std::vector<std::uint8_t>{0, 200, 0};
                  }));
    WritePoints({});
    doc->menus.m_astrGuideMapCurrent[0] = doc->folders.m_strAppDir + "GUIDE\\PICT.JPG";
    doc->m_nMapDisplayMode = 24;
    Repaint();
    const vd::COLORREF centre = picture->GetPixel(450, 350);
    EXPECT_LT(vd::GetRValue(centre), 10);
    EXPECT_GT(vd::GetGValue(centre), 190);
    EXPECT_EQ(picture->GetPixel(389, 309), vd::RGB(0, 0, 0)) << "frame at (450 - 61, 350 - 41)";
    EXPECT_EQ(doc->m_nFileKind, 1);
    EXPECT_EQ(view->m_pNavigation->m_nPictureHeight, 80);
}

TEST_F(SheetPicture, TheButtonsGoUpAboveWidth800)
{
    WriteHomeFile("GUIDE/PICT.BMP", Bitmap(100, 100));
    WritePoints({});
    const auto place = [](const char* caption, int l, int t, int r, int b) {
        return std::string(caption) + " " + std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(r) +
               "," + std::to_string(b);
    };
    for (const int width : {800, 801}) {
        view->m_nSavedWidth = width;
        vd::RecordingDc dc;
        DrawSheetPicture(*view, dc);
        const int x0 = width - 90, y0 = width > 800 ? 0 : 700 - 60;
        EXPECT_EQ(ButtonPlace(26), place("仕様", x0 - 68, y0 + 3, x0 - 23, y0 + 26)) << width;
        EXPECT_EQ(ButtonPlace(12), place("他地域", x0, y0 + 3, x0 + 61, y0 + 26)) << width;
        EXPECT_EQ(ButtonPlace(27), place("1/20万", x0, y0 + 29, x0 + 79, y0 + 52)) << width;
    }
}

TEST_F(SheetPicture, AMissingOrUndecodablePictureDrawsNothing)
{
    WritePoints({});
    WriteHomeFile("GUIDE/NOTJPEG.JPG", Bitmap(10, 10));
    WriteHomeFile("GUIDE/EMPTY.BMP", "");
    for (const std::string name : {"MISSING.BMP", "NOTJPEG.JPG", "EMPTY.BMP"}) {
        doc->menus.m_astrGuideMapCurrent[0] = doc->folders.m_strAppDir + "GUIDE\\" + name;
        doc->m_strEntryParam = "note";
        doc->m_nMapDisplayMode = 24;
        vd::RecordingDc dc;
        EXPECT_EQ(LoadSheetPicture(*view, dc), -1) << name;
        EXPECT_TRUE(dc.Calls().empty()) << name;
        EXPECT_EQ(doc->m_strEntryParam, "") << name;
        view->m_pNavigation->RemoveViewButtons(1);
        DrawSheetPicture(*view, dc);
        EXPECT_EQ(ShownButtons(), (std::vector<std::string>{"28 設定", "29 ｽﾗｲﾄﾞ"})) << "the picture's own go up with it";
        EXPECT_EQ(doc->m_nMapDisplayMode, 24) << name;
    }
}

TEST_F(SheetPicture, PointsArePlacedOnThePictureAndKeptForTheMouse)
{
    WriteHomeFile("GUIDE/PICT.BMP", Bitmap(200, 100));
    WritePoints({"; comment", "", "寺 1000 0 a.jpg", "頂 1000.5 3 skipped", "two 5 5", "駅 500 500 http://x.htm",
                 "本 0 1000 book.txt more"});
    vd::RecordingDc dc;
    DrawSheetPicture(*view, dc);
    std::vector<vd::Rect> ellipses, rectangles;
    for (const auto& call : dc.Calls()) {
        if (call.op.kind == vd::DrawOp::Ellipse)
            ellipses.push_back(call.op.rect);
        if (call.op.kind == vd::DrawOp::Rectangle)
            rectangles.push_back(call.op.rect);
    }
    // Half-size 3; the picture's top-left is (350, 300), 200 x 100.
    EXPECT_EQ(ellipses, (std::vector<vd::Rect>{{347, 297, 353, 303}, {547, 397, 553, 403}}));
    ASSERT_EQ(rectangles.size(), 2u) << "the frame and the web page";
    EXPECT_EQ(rectangles[1], (vd::Rect{447, 347, 453, 353}));
    std::vector<std::pair<vd::Point, std::string>> labels;
    for (const auto& t : dc.Texts())
        labels.push_back({t.at, t.text});
    EXPECT_EQ(labels, (std::vector<std::pair<vd::Point, std::string>>{{{356, 293}, "寺/a.jpg"},
                                                                       {{456, 343}, "駅/http://x.htm"},
                                                                       {{556, 393}, "本/book.txt"}}));
    EXPECT_EQ(doc->m_astrHitRecord[0], "寺 1000 0 a.jpg");
    EXPECT_EQ(doc->m_anHitX[2], 550);
    EXPECT_EQ(doc->m_anHitY[2], 400);
    EXPECT_EQ(doc->m_astrHitRecord[3], "999");
    EXPECT_EQ(doc->m_anKindTally, (std::array<int, 4>{1, 1, 0, 1}));
}

TEST_F(SheetPicture, AtMost4999PointsAreKept)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 5001; ++i)
        lines.push_back("p" + std::to_string(i) + " 10 10 x");
    WritePoints(lines);
    doc->spec.m_nPointPopup = 1;
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 900, 700);
    renderer.DrawSheetAnnotations(100, 100);
    EXPECT_EQ(renderer.m_nPointCount, 4999);
    EXPECT_EQ(doc->m_astrHitRecord[4998], "p4998 10 10 x");
    EXPECT_EQ(doc->m_astrHitRecord[4999], "999");
    EXPECT_TRUE(dc.Texts().empty()) << "no labels while the names pop up";
}

TEST_F(SheetPicture, SubmarineModesCallOmbrisk)
{
    doc->spec.m_nGraticuleFlag = 1;
    doc->folders.m_strCoastDir = "Z:\\coast\\";
    doc->folders.m_strSubmarineDir = "Z:\\sea\\";
    doc->m_nMapDisplayMode = 22;
    Repaint();
    // The repaint places the overview's origin for the window's width.
    const std::string origin = std::to_string(doc->pointer.m_nOverviewOriginX);
    EXPECT_EQ(Log(), "OnSbmrnMeshDistribution(1,0," + origin + ",0,1,700,900,[Z:\\coast\\][Z:\\sea\\]);");

    Log().clear();
    doc->depth.m_nSubmarineView = 2;
    vd::RecordingDc dc;
    MakeSubmarineMeshFile(*view, dc);
    EXPECT_EQ(Log(), "OnSubmarineMeshDataFile([Z:\\sea\\][Z:\\coast\\]2,700,900," + origin + ",0,);");
    EXPECT_EQ(doc->depth.m_nSubmarineView, -999);
}

// The build's page says it made the files only when a file was written, and the status page
// without files says how they are made; in red, the caller's black given back.
TEST_F(SheetPicture, SubmarinePagesSayWhatWasMade)
{
    const std::filesystem::path depth = doctest::Home() / "DEPTH";
    doc->folders.m_strSubmarineDir = vd::ui::toWindowsForm(depth.string()) + "\\";
    const auto texts = [](const vd::RecordingDc& dc) {
        std::vector<std::string> out;
        for (const auto& text : dc.Texts()) {
            EXPECT_EQ(text.colour, vd::RGB(255, 0, 0)) << text.text;
            out.push_back(text.text);
        }
        EXPECT_EQ(dc.GetTextColor(), vd::RGB(0, 0, 0));
        return out;
    };
    vd::RecordingDc status;
    DrawSubmarineMeshMap(*view, status);
    EXPECT_EQ(texts(status), (std::vector<std::string>{"水深データの中間ファイルはまだ作成されていません。",
                                                         "ﾏｯﾋﾟﾝｸﾞ > 海底地形... の「登録」で水深データ (DP*.txt) のフォルダを選び、",
                                                         "ﾏｯﾋﾟﾝｸﾞ > 水深中間ﾌｧｲﾙ > 作成 で作成してください。"}));

    // No SEAFLOOR folder: the fake builder writes nothing, as the builder for a sea without data.
    vd::RecordingDc nothing;
    MakeSubmarineMeshFile(*view, nothing);
    EXPECT_EQ(texts(nothing), (std::vector<std::string>{"この海域の水深データがないため、中間ファイルは作成しませんでした。",
                                                          "水深データのフォルダ: " + doc->folders.m_strSubmarineDir}));

    std::filesystem::create_directories(depth / "SEAFLOOR");
    vd::RecordingDc made;
    MakeSubmarineMeshFile(*view, made);
    ASSERT_EQ(made.Texts().size(), 1u);
    EXPECT_EQ(made.Texts()[0].at, (vd::Point{300, 300}));
    EXPECT_EQ(texts(made), (std::vector<std::string>{"500mメッシュ水深データの中間ファイルを作成しました！"}));

    vd::RecordingDc filesThere;
    DrawSubmarineMeshMap(*view, filesThere);
    EXPECT_TRUE(filesThere.Texts().empty());
}

class SheetPictureWithoutOmbrisk : public MapView {
protected:
    void BeforeDocument() override
    {
        ASSERT_TRUE(vd::LibraryLoader::setOverride("Ombrisk.dll", "/nonexistent/libombrisk.so"));
    }
};

TEST_F(SheetPictureWithoutOmbrisk, NothingIsReportedMade)
{
    PastFirstPaint();
    doc->depth.m_nSubmarineView = 2;
    vd::RecordingDc dc;
    MakeSubmarineMeshFile(*view, dc);
    DrawSubmarineMeshMap(*view, dc);
    // The pages say what is missing, never that something was made.
    for (const auto& text : dc.Texts())
        EXPECT_EQ(text.text.find("作成しました"), std::string::npos) << text.text;
    EXPECT_FALSE(dc.Texts().empty());
    EXPECT_EQ(doc->depth.m_nSubmarineView, -999);
}

} // namespace
