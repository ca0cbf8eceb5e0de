// PrinterDc: a text page in the print layout (anisotropic mapping) rendered into a PDF file.
#include "platform/dc/PrinterDc.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vd {
namespace {

TEST(PrinterDc, RendersAPageWithTheAnisotropicMappingIntoAPdf)
{
    const std::filesystem::path folder = std::filesystem::path(std::getenv("VELDORAN_HOME")) / "print";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "page.pdf").string();
    {
        const std::unique_ptr<PrinterDc> dc = PrinterDc::ForPdf(path, 600);
        ASSERT_GT(dc->StartDoc("text page"), 0);
        ASSERT_GT(dc->StartPage(), 0);
        EXPECT_EQ(dc->GetDeviceCaps(LOGPIXELSX), 600);
        EXPECT_GT(dc->GetDeviceCaps(HORZRES), 4000); // A4 at 600 pixels an inch, less the margins
        EXPECT_GT(dc->GetDeviceCaps(VERTRES), 6000);

        dc->SetMapMode(MM_ANISOTROPIC);
        dc->SetWindowExt(700, -760);
        dc->SetViewportExt(700, -760);
        EXPECT_EQ(dc->LPtoDP(Point{231 + 378, 210 + 12}), (Point{609, 222}));

        Font font;
        font.CreateFont(75, 0, 0, 0, FW_NORMAL, false, false, false, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                        CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_MODERN, "ＭＳ ゴシック");
        const Font old = dc->SelectObject(font);
        TextMetric tm;
        dc->GetTextMetrics(tm);
        EXPECT_EQ(tm.tmHeight, 75);
        dc->SelectObject(StockBrush(HOLLOW_BRUSH));
        EXPECT_TRUE(dc->RoundRect(231 + 378, 210 + 12, 231 + 924, 210 + 105, 21, 21));
        EXPECT_TRUE(dc->TextOut(231 + 420, 210 + 21, "散策の記録"));
        for (int line = 0; line < 5; ++line)
            EXPECT_TRUE(dc->TextOut(231 + 22, 210 + 168 + 75 * line, "寺と神社を巡る 1日目"));
        // Raster operations a printer cannot do draw as copies; nothing to read back.
        dc->SetROP2(R2_NOTXORPEN);
        dc->SelectObject(Pen(PS_DOT, 1, RGB(255, 0, 0)));
        dc->MoveTo(231, 200);
        EXPECT_TRUE(dc->LineTo(231 + 1000, 200));
        EXPECT_EQ(dc->GetPixel(300, 200), CLR_INVALID);
        dc->SelectObject(old);
        dc->EndPage();
        dc->StartPage();
        dc->TextOut(100, 100, "2");
        dc->EndPage();
        EXPECT_GT(dc->EndDoc(), 0);
    }
    std::ifstream in(path, std::ios::binary);
    const std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(pdf.size(), 1000u);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/Count 2"), std::string::npos); // two pages
}

} // namespace
} // namespace vd
