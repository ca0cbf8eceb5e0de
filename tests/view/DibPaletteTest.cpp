#include "ViewTestSupport.h"

#include "app/document/DibPalette.h"
#include "graphics/DibFunctions.h"
#include "platform/dc/Dc.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

namespace {

using namespace doctest;

// A ramp whose entry i is (i, 255 - i, 7).
void SetRamp(CVeldoranDoc& doc)
{
    for (int i = 0; i < 256; ++i) {
        doc.colours.m_anTintRed[i] = i;
        doc.colours.m_anTintGreen[i] = 255 - i;
        doc.colours.m_anTintBlue[i] = 7;
    }
}

vd::Dib OwnColours(int bitCount, vd::DibHeader header)
{
    vd::Dib dib = vd::Dib::Create(4, 3, bitCount, header);
    for (int i = 0; i < dib.NumColors(); ++i)
        dib.SetColour(i, vd::RgbQuad{1, 2, 3, 0});
    return dib;
}

TEST(DibPalette, ModeZeroGivesAnInfoHeaderTheRampAndKeepsACoreHeadersColours)
{
    auto doc = viewtest::MakeDocument();
    SetRamp(*doc);
    vd::Dib info = OwnColours(8, vd::DibHeader::Info);
    vd::Palette palette;
    ASSERT_TRUE(CreateDibPalette(*doc, info, palette, 0, 100));
    ASSERT_EQ(palette.GetEntryCount(), 256);
    EXPECT_EQ(info.GetColour(7), (vd::RgbQuad{7, 248, 7, 0})) << "no bands in mode 0";
    EXPECT_EQ(palette.Entries()[7], (vd::PaletteEntry{7, 248, 7, 0}));

    vd::Dib core = OwnColours(8, vd::DibHeader::Core);
    vd::Palette corePalette;
    ASSERT_TRUE(CreateDibPalette(*doc, core, corePalette, 0, 0));
    EXPECT_EQ(core.GetColour(7), (vd::RgbQuad{1, 2, 3, 0}));
    EXPECT_EQ(corePalette.Entries()[7], (vd::PaletteEntry{3, 2, 1, 0}));
}

TEST(DibPalette, ModeOneGivesEitherHeaderTheBandedRamp)
{
    auto doc = viewtest::MakeDocument();
    SetRamp(*doc);
    for (vd::DibHeader header : {vd::DibHeader::Info, vd::DibHeader::Core}) {
        vd::Dib dib = OwnColours(8, header);
        vd::Palette palette;
        ASSERT_TRUE(CreateDibPalette(*doc, dib, palette, 1, 100));
        // 100 m bands: entries 1..6 show entry 1, 7..13 entry 7.
        for (auto [entry, source] : {std::pair{0, 0}, {1, 1}, {6, 1}, {7, 7}, {13, 7}, {14, 14}}) {
            EXPECT_EQ(dib.GetColour(entry).rgbRed, source) << entry;
            EXPECT_EQ(palette.Entries()[std::size_t(entry)], (vd::PaletteEntry{std::uint8_t(source),
                                                                  std::uint8_t(255 - source), 7, 0}))
                << entry;
        }
    }
    EXPECT_EQ(doc->colours.m_anTintRed[6], 6) << "the document's ramp itself is not banded";

    vd::Dib plain = OwnColours(8, vd::DibHeader::Info);
    vd::Palette palette;
    ASSERT_TRUE(CreateDibPalette(*doc, plain, palette, 1, 0));
    EXPECT_EQ(plain.GetColour(6).rgbRed, 6);
}

TEST(DibPalette, PicturesWithoutAColourTableGetNoPalette)
{
    auto doc = viewtest::MakeDocument();
    SetRamp(*doc);
    vd::Dib rgb = vd::Dib::Create(4, 3, 24);
    vd::Palette palette;
    EXPECT_TRUE(CreateDibPalette(*doc, rgb, palette, 1, 100));
    EXPECT_TRUE(palette.IsNull());
    vd::Dib none;
    EXPECT_FALSE(CreateDibPalette(*doc, none, palette, 0, 0));

    vd::Dib four = vd::Dib::Create(4, 3, 4);
    ASSERT_TRUE(CreateDibPalette(*doc, four, palette, 0, 0));
    EXPECT_EQ(palette.GetEntryCount(), 16);
}

TEST(DibPalette, LoadDibReadsTheFileAndBuildsItsPalette)
{
    auto doc = viewtest::MakeDocument();
    SetRamp(*doc);
    doc->colours.m_nColorStep = 3;
    fs::create_directories(Home() / "MAPFGRS");
    vd::Dib sheet = vd::Dib::Create(320, 320, 8);
    sheet.SetIndex(5, 5, 9);
    ASSERT_TRUE(sheet.WriteFile((Home() / "MAPFGRS" / "5339.bmp").string()));

    EXPECT_EQ(doc->LoadDib(doc->folders.m_strMapFigureDir + "5339.bmp", 1), 1);
    EXPECT_EQ(doc->m_nDibWidth, 320);
    EXPECT_EQ(doc->m_nDibHeight, 320);
    EXPECT_EQ(doc->m_hDib.GetIndex(5, 5), 9);
    EXPECT_EQ(doc->m_pDibPalette.Entries()[9].peRed, 7) << "banded in mode 1";

    EXPECT_EQ(doc->LoadDib(doc->folders.m_strMapFigureDir + "none.bmp", 1), -1);
    EXPECT_EQ(doc->m_nDibWidth, 320) << "the current DIB stays";
    EXPECT_FALSE(doc->m_hDib.IsNull());

    // A damaged header: the file opens, but nothing is read from it.
    WriteBytes(Home() / "MAPFGRS" / "bad.bmp", std::string("BM") + std::string(12, '\0') +
                                                   std::string("\x28\0\0\0\xff\xff\xff\x7f", 8));
    EXPECT_EQ(doc->LoadDib(doc->folders.m_strMapFigureDir + "bad.bmp", 0), 1);
    EXPECT_TRUE(doc->m_hDib.IsNull());
    EXPECT_TRUE(doc->m_pDibPalette.IsNull());
}

TEST(DibPalette, PaintDibCopiesOrStretches)
{
    vd::Dib dib = vd::Dib::Create(4, 2, 24);
    dib.SetPixel(0, 0, vd::RGB(255, 0, 0));
    vd::RecordingDc dc;
    vd::Palette palette;
    palette.CreatePalette({vd::PaletteEntry{1, 2, 3, 0}});
    PaintDib(dc, vd::Rect{10, 20, 14, 22}, dib, vd::Rect{0, 0, 4, 2}, &palette);
    PaintDib(dc, vd::Rect{0, 0, 8, 4}, dib, vd::Rect{0, 0, 4, 2}, nullptr);
    ASSERT_EQ(dc.Calls().size(), 2u);
    EXPECT_EQ(dc.Calls()[0].op.kind, vd::DrawOp::SetDIBitsToDevice);
    EXPECT_EQ(dc.Calls()[0].state.palette, palette);
    EXPECT_EQ(dc.Calls()[0].state.stretchMode, vd::COLORONCOLOR);
    EXPECT_EQ(dc.Calls()[1].op.kind, vd::DrawOp::StretchDIBits);
    EXPECT_EQ(dc.Calls()[1].op.rect, (vd::Rect{0, 0, 8, 4}));
    EXPECT_NE(dc.GetCurrentPalette(), palette) << "the palette is selected for the call only";
}

TEST(DibPalette, LoadBmpPictureCountsOnlyAPictureThatLoaded)
{
    auto doc = viewtest::MakeDocument();
    ASSERT_TRUE(vd::Dib::Create(6, 5, 24).WriteFile((Home() / "pic.bmp").string()));
    doc->LoadBmpPicture(doc->folders.m_strAppDir + "PIC.BMP");
    EXPECT_EQ(doc->entry.m_bPictureLoaded, 1);
    EXPECT_EQ(doc->entry.m_bmpPicture.Width(), 6);
    doc->LoadBmpPicture(doc->folders.m_strAppDir + "none.bmp");
    EXPECT_EQ(doc->entry.m_bPictureLoaded, 0);
    EXPECT_TRUE(doc->entry.m_bmpPicture.IsNull());
}

} // namespace
