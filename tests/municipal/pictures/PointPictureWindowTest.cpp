// The picture window of a registered point through Surrick's entry point, answered by the script:
// its texts and place by mode word, the zoom buttons, the shade behind the picture and where the
// picture lands in the frame, for bitmaps, JPEG files and files it cannot show.
#include "contracts/surrick.h"

#include "PictureTestSupport.h"

#include "platform/dc/ImageDc.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

#include <functional>

using namespace picturetest;

namespace {

constexpr int kTemplate = 215;
constexpr int kFrame = 1325;
constexpr int kNameAndText = 1326;
constexpr int kSize = 1327;
constexpr int kZoom = 1329;
constexpr int kZoomIn = 1330;
constexpr int kZoomOut = 1331;

constexpr vd::COLORREF kRed = vd::RGB(200, 10, 10);
constexpr vd::COLORREF kBlue = vd::RGB(10, 10, 200);

std::vector<std::uint8_t> MidGrey(int, int)
{
    return {128};
}

class PointPicture : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        show = EntryPoint<OnDlgBmpShow_fn>("OnDlgBmpShow");
        ASSERT_NE(show, nullptr);
        std::filesystem::create_directories(HomePath("pict"));
    }

    // Runs the window on the picture and lets the actions look at it before OK.
    void Run(const std::string& path, const std::string& textAndMode, int shade,
             std::function<void(vd::DialogDriver&)> actions)
    {
        bool ran = false;
        script->answerDialog(kSurrickModule, kTemplate, [&](vd::DialogDriver& d) {
            ran = true;
            EXPECT_EQ(d.caption(), "  地点の概要");
            actions(d);
            d.click(vd::IDOK);
            EXPECT_TRUE(d.ended());
        });
        show(path, "丘", textAndMode, shade);
        EXPECT_TRUE(ran);
        EXPECT_TRUE(script->unanswered().empty());
    }

    // The frame's client size in pixels, asked of a window without a picture.
    vd::Size FrameSize()
    {
        vd::Size size;
        Run(HomeWin("pict\\none.bmp"), "", 0, [&](vd::DialogDriver& d) {
            const vd::Rect client = d.control(kFrame).GetClientRect();
            size = {client.Width(), client.Height()};
        });
        return size;
    }

    std::shared_ptr<vd::ui::Script> script;
    OnDlgBmpShow_fn* show = nullptr;
};

vd::COLORREF FramePixel(vd::DialogDriver& d, int x, int y)
{
    const vd::Bitmap shown = vd::captureWindow(d.control(kFrame));
    vd::ImageDc dc(shown);
    return dc.GetPixel(x, y);
}

} // namespace

TEST_F(PointPicture, ModeWordsPlaceTheWindowAndTheTextLineShowsNameAndText)
{
    const std::string path = WriteBitmap("pict\\a.bmp", SolidDib(30, 20, 24, kRed));
    struct Case {
        const char* textAndMode;
        const char* line;
        std::optional<vd::Point> place;
    };
    const Case cases[] = {
        {"絵$SMALL", "==丘== 絵", vd::Point{16, 40}},
        {"SMALL", "==丘== ", vd::Point{16, 40}},
        {"$SMALL", "==丘== $SMALL", std::nullopt},
        {"絵$VELDORAN", "==丘== 絵", vd::Point{135, 100}},
        {"VELDORAN_UP", "==丘== ", vd::Point{106, 40}},
        {"絵$small", "==丘== 絵", std::nullopt},
        {"絵と$も", "==丘== 絵と", std::nullopt},
        {"絵だけ", "==丘== 絵だけ", std::nullopt},
    };
    std::optional<vd::Point> templatePlace;
    for (const Case& c : cases) {
        Run(path, c.textAndMode, 0, [&](vd::DialogDriver& d) {
            EXPECT_EQ(d.text(kNameAndText), c.line) << c.textAndMode;
            EXPECT_EQ(d.text(kSize), "[幅 30 × 高さ 20]") << c.textAndMode;
            EXPECT_EQ(d.text(kZoom), "原寸") << c.textAndMode;
            const vd::Rect window = d.dialog().GetWindowRect();
            const vd::Point at{window.left, window.top};
            if (c.place) {
                EXPECT_EQ(at, *c.place) << c.textAndMode;
            } else {
                if (!templatePlace)
                    templatePlace = at;
                EXPECT_EQ(at, *templatePlace) << c.textAndMode << ": where the template puts it";
            }
        });
    }
    ASSERT_TRUE(templatePlace);
    EXPECT_NE(*templatePlace, (vd::Point{16, 40}));
}

TEST_F(PointPicture, ZoomButtonsStepWithinFiftyAndTheFittedMaximum)
{
    const vd::Size frame = FrameSize();
    ASSERT_GT(frame.cx, 100);
    // A small picture may grow to 150 percent; one whose width fits at 73 percent starts there.
    const std::string small = WriteBitmap("pict\\small.bmp", SolidDib(frame.cx / 4, frame.cy / 4, 24, kRed));
    int wide = frame.cx;
    while (static_cast<int>(frame.cx * 100.0 / wide) != 73)
        ++wide;
    const std::string fitted = WriteBitmap("pict\\fitted.bmp", SolidDib(wide, 10, 24, kRed));

    std::vector<std::string> smallZooms;
    Run(small, "", 0, [&](vd::DialogDriver& d) {
        smallZooms.push_back(d.text(kZoom));
        for (int id : {kZoomIn, kZoomIn, kZoomOut, kZoomOut, kZoomOut, kZoomIn}) {
            d.click(id);
            smallZooms.push_back(d.text(kZoom));
        }
        for (int i = 0; i < 12; ++i)
            d.click(kZoomOut);
        smallZooms.push_back(d.text(kZoom));
        for (int i = 0; i < 70; ++i)
            d.click(kZoomIn);
        smallZooms.push_back(d.text(kZoom));
    });
    EXPECT_EQ(smallZooms, (std::vector<std::string>{"原寸", "101%", "102%", "101%", "100%", "95%", "100%", "50%",
                                                    "150%"}));

    std::vector<std::string> fittedZooms;
    Run(fitted, "", 0, [&](vd::DialogDriver& d) {
        fittedZooms.push_back(d.text(kZoom));
        for (int id : {kZoomIn, kZoomOut, kZoomIn, kZoomIn}) {
            d.click(id);
            fittedZooms.push_back(d.text(kZoom));
        }
    });
    EXPECT_EQ(fittedZooms, (std::vector<std::string>{"73%", "73%", "68%", "73%", "73%"}));
}

TEST_F(PointPicture, ShadeFillsTheFrameBehindThePictureUnlessItIsSix)
{
    const vd::Size frame = FrameSize();
    vd::COLORREF unfilled = 0;
    Run(HomeWin("pict\\none.bmp"), "", 3, [&](vd::DialogDriver& d) { unfilled = FramePixel(d, 5, 5); });

    const std::string path = WriteBitmap("pict\\dot.bmp", SolidDib(20, 10, 24, kRed));
    const std::pair<int, vd::COLORREF> cases[] = {{0, vd::RGB(0, 0, 0)},         {3, vd::RGB(120, 120, 120)},
                                                  {8, vd::RGB(230, 230, 230)},   {9, vd::RGB(240, 240, 240)},
                                                  {10, vd::RGB(255, 255, 255)},  {42, vd::RGB(240, 240, 240)},
                                                  {6, unfilled}};
    for (const auto& [shade, colour] : cases) {
        // Structured bindings are captured by name (clang 14 cannot capture them implicitly).
        Run(path, "", shade, [&, shade = shade, colour = colour](vd::DialogDriver& d) {
            EXPECT_EQ(FramePixel(d, 5, 5), colour) << "shade " << shade;
            // The picture at its own size in the middle of the frame.
            const int left = (frame.cx - 20) / 2;
            const int top = (frame.cy - 10) / 2;
            EXPECT_EQ(FramePixel(d, left, top), kRed) << "shade " << shade;
            EXPECT_EQ(FramePixel(d, left + 19, top + 9), kRed) << "shade " << shade;
            EXPECT_EQ(FramePixel(d, left - 1, top), colour) << "shade " << shade;
            EXPECT_EQ(FramePixel(d, left + 20, top + 9), colour) << "shade " << shade;
        });
    }
}

TEST_F(PointPicture, PictureLargerThanTheFrameIsDrawnFromItsTopLeftCornerAndZoomsAboutTheMiddle)
{
    const vd::Size frame = FrameSize();
    // Three frames wide and high: it starts at 50 percent, larger than the frame, from its corner.
    const std::string path =
        WriteBitmap("pict\\large.bmp", SolidDib(frame.cx * 3, frame.cy * 3, 24, kRed, 20, kBlue));
    Run(path, "", 10, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(kZoom), "50%");
        // (The frame's sunken edge covers its outermost pixels.)
        EXPECT_EQ(FramePixel(d, 2, 2), kBlue);
        EXPECT_EQ(FramePixel(d, 9, frame.cy - 3), kBlue);
        EXPECT_EQ(FramePixel(d, 10, 2), kRed);
        EXPECT_EQ(FramePixel(d, frame.cx - 3, frame.cy - 3), kRed);
        d.click(kZoomOut);
        EXPECT_EQ(d.text(kZoom), "50%") << "no smaller than 50";
        d.click(kZoomIn);
        EXPECT_EQ(d.text(kZoom), "50%") << "no larger than the fitted maximum";
    });

    // A smaller picture zoomed stays centred: the blue strip moves with the zoom.
    const std::string small = WriteBitmap("pict\\strip.bmp", SolidDib(40, 20, 24, kRed, 20, kBlue));
    Run(small, "", 10, [&](vd::DialogDriver& d) {
        const int left = (frame.cx - 40) / 2;
        EXPECT_EQ(FramePixel(d, left, (frame.cy - 20) / 2), kBlue);
        EXPECT_EQ(FramePixel(d, left + 20, (frame.cy - 20) / 2), kRed);
        for (int i = 0; i < 10; ++i)
            d.click(kZoomOut);
        EXPECT_EQ(d.text(kZoom), "50%");
        const int leftAtHalf = (frame.cx - 20) / 2;
        EXPECT_EQ(FramePixel(d, leftAtHalf, (frame.cy - 10) / 2), kBlue);
        EXPECT_EQ(FramePixel(d, leftAtHalf + 10, (frame.cy - 10) / 2), kRed);
        EXPECT_EQ(FramePixel(d, left, (frame.cy - 20) / 2), vd::RGB(255, 255, 255));
    });
}

TEST_F(PointPicture, GreyscaleAndUpperCaseJpegPicturesAreShown)
{
    const vd::Size frame = FrameSize();
    for (const char* name : {"pict\\grey.jpg", "pict\\GREY.JPG"}) {
        const std::string path = WriteBytes(name, MakeJpegBytes(JpegKind::Grey, 20, 10, MidGrey));
        Run(path, "", 0, [&](vd::DialogDriver& d) {
            EXPECT_EQ(d.text(kSize), "[幅 20 × 高さ 10]") << name;
            const vd::COLORREF centre = FramePixel(d, frame.cx / 2, frame.cy / 2);
            EXPECT_NEAR(vd::GetRValue(centre), 128, 3) << name;
            EXPECT_EQ(vd::GetRValue(centre), vd::GetGValue(centre)) << name;
            EXPECT_EQ(vd::GetGValue(centre), vd::GetBValue(centre)) << name;
        });
    }
}

TEST_F(PointPicture, FilesThatCannotBeShownLeaveTheFrameEmptyAndTheButtonsIdle)
{
    const vd::Size frame = FrameSize();
    vd::COLORREF empty = 0;
    Run(HomeWin("pict\\none.bmp"), "", 0, [&](vd::DialogDriver& d) { empty = FramePixel(d, frame.cx / 2, frame.cy / 2); });
    ASSERT_NE(empty, vd::RGB(0, 0, 0));

    std::vector<std::uint8_t> rle = SolidDib(20, 10, 8, kRed).FileBytes();
    rle[30] = 1; // BI_RLE8
    const std::string paths[] = {
        HomeWin("pict\\missing.jpg"),
        WriteBytes("pict\\damaged.jpg", "\xFF\xD8\xFF\xE0 damaged"),
        WriteBytes("pict\\damaged.bmp", "BM not a bitmap"),
        WriteBytes("pict\\rle.bmp", std::string(rle.begin(), rle.end())),
    };
    for (const std::string& path : paths) {
        Run(path, "絵$SMALL", 0, [&](vd::DialogDriver& d) {
            EXPECT_EQ(d.text(kSize), "") << path;
            EXPECT_EQ(d.text(kZoom), "原寸") << path;
            EXPECT_EQ(d.text(kNameAndText), "==丘== 絵") << path;
            EXPECT_EQ(FramePixel(d, frame.cx / 2, frame.cy / 2), empty) << path;
            EXPECT_EQ(FramePixel(d, 5, 5), empty) << path << ": no shade without a picture";
            d.click(kZoomIn);
            d.click(kZoomOut);
            EXPECT_EQ(d.text(kZoom), "原寸") << path;
        });
    }
}
