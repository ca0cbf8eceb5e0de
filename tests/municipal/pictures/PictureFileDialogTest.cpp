// The picture file dialog through Surrick's entry point, answered by the script: its filter list
// and button, the panel's texts and preview for each kind of file, the path it gives back.
#include "contracts/surrick.h"

#include "PictureTestSupport.h"

#include "platform/dc/ImageDc.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

#include <ctime>
#include <utime.h>

using namespace picturetest;

namespace {

constexpr int kPreview = 101;
constexpr int kPictureSize = 1001;
constexpr int kColours = 1002;
constexpr int kFileSize = 1024;
constexpr int kFileTime = 1025;

constexpr vd::COLORREF kRed = vd::RGB(200, 10, 10);
constexpr vd::COLORREF kBlue = vd::RGB(10, 10, 200);

std::vector<std::uint8_t> Orange(int, int)
{
    return {240, 120, 0};
}

struct Panel {
    std::string size;
    std::string colours;
    std::string fileSize;
    std::string fileTime;
};

Panel PanelOf(vd::FileDialog& d)
{
    return {d.GetDlgItemText(kPictureSize), d.GetDlgItemText(kColours), d.GetDlgItemText(kFileSize),
            d.GetDlgItemText(kFileTime)};
}

vd::COLORREF PreviewPixel(vd::FileDialog& d, int x, int y)
{
    const vd::Bitmap shown = vd::captureWindow(*d.GetDlgItem(kPreview));
    vd::ImageDc dc(shown);
    return dc.GetPixel(x, y);
}

vd::Size PreviewSize(vd::FileDialog& d)
{
    const vd::Rect client = d.GetDlgItem(kPreview)->GetClientRect();
    return {client.Width(), client.Height()};
}

// The file's time set to a known moment, and the text the standard library gives for it.
std::string SetFileTime(const std::string& name, std::time_t when)
{
    const utimbuf times{when, when};
    utime(HomePath(name).c_str(), &times);
    char text[64] = {};
    return ctime_r(&when, text);
}

class PictureFileDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        choose = EntryPoint<OnPictureFileDialog_fn>("OnPictureFileDialog");
        ASSERT_NE(choose, nullptr);
        std::filesystem::create_directories(HomePath("pict"));
    }
    std::shared_ptr<vd::ui::Script> script;
    OnPictureFileDialog_fn* choose = nullptr;
};

} // namespace

TEST_F(PictureFileDialog, AllFilesFirstWithTheSelectButtonAndTheFinalPathOrNothing)
{
    script->answerFileDialog(HomeWin("pict\\typed.bmp"));
    script->cancelFileDialog([](vd::FileDialog& d) { d.selectionChanged(HomeWin("pict\\seen.bmp")); });
    EXPECT_EQ(choose(), HomeWin("pict\\typed.bmp")) << "a typed name counts without a selection";
    EXPECT_EQ(choose(), "");
    ASSERT_EQ(script->fileDialogs().size(), 2u);
    const auto& asked = script->fileDialogs()[0];
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.filter, "ALL files (*.*)|*.*;*.*|BMP files (*.bmp)|*.bmp;*.bmp|JPG files (*.jpg)|*.jpg;*.jpg|"
                            "PCD files (*.pcd)|*.pcd;*.pcd|GIF files (*.gif)|*.gif;*.gif|PIC files (*.pic)|*.pic;*.pic||");
    EXPECT_EQ(asked.defaultExt, "");
    EXPECT_EQ(asked.initialName, "");
    EXPECT_EQ(asked.flags, vd::OFN_HIDEREADONLY | vd::OFN_OVERWRITEPROMPT);
    EXPECT_EQ(asked.okText, "選択");
    EXPECT_TRUE(script->unanswered().empty());
}

TEST_F(PictureFileDialog, SelectingAFileShowsItsSizeColoursFileSizeAndTime)
{
    const std::string colour = WriteBitmap("pict\\colour.bmp", SolidDib(30, 20, 24, kRed));
    const std::string indexed = WriteBitmap("pict\\indexed.bmp", SolidDib(16, 8, 8, kBlue));
    const std::string jpeg = WriteBytes("pict\\Photo.JPG", MakeJpegBytes(JpegKind::Rgb, 24, 12, Orange));
    const std::string gif = WriteBytes("pict\\anim.gif", std::string(1234, 'g'));
    const std::string pic = WriteBytes("pict\\old.pic", std::string(12345, 'p'));
    const std::string damaged = WriteBytes("pict\\damaged.jpg", "\xFF\xD8\xFF\xE0 damaged");
    const std::string gifTime = SetFileTime("pict\\anim.gif", 981173106);
    const std::string colourTime = SetFileTime("pict\\colour.bmp", 1262304000);

    std::vector<Panel> panels;
    std::vector<bool> previews;
    script->answerFileDialog(colour, [&](vd::FileDialog& d) {
        const vd::Size frame = PreviewSize(d);
        for (const std::string& path : {colour, indexed, jpeg, gif, pic, damaged, HomeWin("pict\\missing.bmp")}) {
            d.selectionChanged(path);
            panels.push_back(PanelOf(d));
            previews.push_back(PreviewPixel(d, frame.cx / 2, frame.cy / 2) != PreviewPixel(d, 2, 2));
        }
    });
    EXPECT_EQ(choose(), colour);

    ASSERT_EQ(panels.size(), 7u);
    EXPECT_EQ(panels[0].size, "幅 30 × 高さ 20");
    EXPECT_EQ(panels[0].colours, "16777216 色");
    EXPECT_EQ(panels[0].fileTime, colourTime);
    EXPECT_EQ(panels[1].size, "幅 16 × 高さ 8");
    EXPECT_EQ(panels[1].colours, "256 色");
    EXPECT_EQ(panels[2].size, "幅 24 × 高さ 12");
    EXPECT_EQ(panels[2].colours, "16777216 色");
    // Other kinds: the file's size and time, no picture.
    EXPECT_EQ(panels[3].size, "");
    EXPECT_EQ(panels[3].colours, "");
    EXPECT_EQ(panels[3].fileSize, "1.23Kb");
    EXPECT_EQ(panels[3].fileTime, gifTime);
    EXPECT_EQ(panels[4].size, "");
    EXPECT_EQ(panels[4].fileSize, "12.35Kb");
    // A picture that cannot be decoded: no size or colours, the file's size all the same.
    EXPECT_EQ(panels[5].size, "");
    EXPECT_EQ(panels[5].colours, "");
    EXPECT_EQ(panels[5].fileSize, "0.01Kb");
    // A file whose status cannot be read keeps the time of the last one.
    EXPECT_EQ(panels[6].fileSize, "ファイル ハンドルが異常です");
    EXPECT_EQ(panels[6].size, "");
    EXPECT_EQ(panels[6].fileTime, panels[5].fileTime);
    EXPECT_EQ(previews, (std::vector<bool>{true, true, true, false, false, false, false}));
}

TEST_F(PictureFileDialog, PreviewIsCentredAtOwnSizeOrShrunkKeepingItsProportions)
{
    script->answerFileDialog(HomeWin("pict\\x.bmp"), [&](vd::FileDialog& d) {
        const vd::Size frame = PreviewSize(d);
        ASSERT_GT(frame.cx, 40);
        ASSERT_GT(frame.cy, 40);
        const vd::COLORREF empty = PreviewPixel(d, frame.cx / 2, frame.cy / 2);

        // Small: its own size in the middle.
        d.selectionChanged(WriteBitmap("pict\\small.bmp", SolidDib(20, 10, 24, kRed, 10, kBlue)));
        const int left = (frame.cx - 20) / 2;
        const int top = (frame.cy - 10) / 2;
        EXPECT_EQ(PreviewPixel(d, left, top), kBlue);
        EXPECT_EQ(PreviewPixel(d, left + 19, top + 9), kRed);
        EXPECT_EQ(PreviewPixel(d, left - 1, top), empty);
        EXPECT_EQ(PreviewPixel(d, left + 20, top), empty);
        EXPECT_EQ(PreviewPixel(d, left, top - 1), empty);
        EXPECT_EQ(PreviewPixel(d, left, top + 10), empty);

        // Three frames wide and one tall: the frame's width, a third of it high.
        d.selectionChanged(WriteBitmap("pict\\wide.bmp", SolidDib(frame.cx * 3, frame.cx, 24, kRed)));
        const int height = frame.cx / 3;
        const int wideTop = (frame.cy - height) / 2;
        // (The frame's sunken edge covers its outermost pixels.)
        EXPECT_EQ(PreviewPixel(d, 2, wideTop), kRed);
        EXPECT_EQ(PreviewPixel(d, frame.cx - 3, wideTop + height - 1), kRed);
        EXPECT_EQ(PreviewPixel(d, frame.cx / 2, wideTop - 1), empty);
        EXPECT_EQ(PreviewPixel(d, frame.cx / 2, wideTop + height), empty);

        // Twice as tall as the frame and a quarter of that wide: the frame's height.
        d.selectionChanged(WriteBitmap("pict\\tall.bmp", SolidDib(frame.cy / 2, frame.cy * 2, 24, kBlue)));
        const int width = frame.cy * (frame.cy / 2) / (frame.cy * 2);
        const int tallLeft = (frame.cx - width) / 2;
        EXPECT_EQ(PreviewPixel(d, tallLeft, 2), kBlue);
        EXPECT_EQ(PreviewPixel(d, tallLeft + width - 1, frame.cy - 3), kBlue);
        EXPECT_EQ(PreviewPixel(d, tallLeft - 1, frame.cy / 2), empty);
        EXPECT_EQ(PreviewPixel(d, tallLeft + width, frame.cy / 2), empty);

        // A new folder takes the preview and the picture texts away, not the file texts.
        const std::string fileSize = d.GetDlgItemText(kFileSize);
        d.folderChanged(HomeWin("pict"));
        EXPECT_EQ(PreviewPixel(d, frame.cx / 2, frame.cy / 2), empty);
        EXPECT_EQ(d.GetDlgItemText(kPictureSize), "");
        EXPECT_EQ(d.GetDlgItemText(kColours), "");
        EXPECT_EQ(d.GetDlgItemText(kFileSize), fileSize);
    });
    EXPECT_EQ(choose(), HomeWin("pict\\x.bmp"));
}
