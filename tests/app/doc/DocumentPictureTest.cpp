#include "app/document/VeldoranDoc.h"
#include "DocumentTestSupport.h"
#include "tests/graphics/JpegFixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace doctest;

std::vector<std::uint8_t> Orange(int, int) { return {250, 120, 10}; }

using DocumentPicture = DocumentTest;

TEST_F(DocumentPicture, AJpegBecomesThe24BitPicture)
{
    WriteFile(Home() / "写真" / "A.JPG", MakeJpegBytes(JpegKind::Rgb, 5, 3, Orange));
    doc->LoadJpegBitmap(vd::applicationFolder() + "写真\\a.jpg");
    ASSERT_EQ(doc->entry.m_bPictureLoaded, 1);
    const vd::Dib& picture = doc->entry.m_bmpPicture;
    EXPECT_EQ(picture.HeaderSize(), 40);
    EXPECT_EQ(picture.Width(), 5);
    EXPECT_EQ(picture.Height(), 3);
    EXPECT_EQ(picture.BitCount(), 24);
    EXPECT_EQ(picture.Compression(), 0u);
    EXPECT_EQ(picture.Stride(), 16);
    const vd::COLORREF colour = picture.GetPixel(4, 2);
    EXPECT_NEAR(vd::GetRValue(colour), 250, 8);
    EXPECT_NEAR(vd::GetGValue(colour), 120, 8);
    EXPECT_NEAR(vd::GetBValue(colour), 10, 8);
}

TEST_F(DocumentPicture, AFailedLoadLeavesNoPicture)
{
    WriteFile(Home() / "a.jpg", MakeJpegBytes(JpegKind::Rgb, 4, 4, Orange));
    WriteFile(Home() / "not.jpg", "GIF89a...");
    WriteFile(Home() / "cmyk.jpg", MakeJpegBytes(JpegKind::Cmyk, 4, 4, [](int, int) {
        return std::vector<std::uint8_t>{1, 2, 3, 4};
    }));
    const std::string app = vd::applicationFolder();
    for (const char* name : {"not.jpg", "cmyk.jpg", "missing.jpg"}) {
        doc->LoadJpegBitmap(app + "a.jpg");
        ASSERT_EQ(doc->entry.m_bPictureLoaded, 1);
        doc->LoadJpegBitmap(app + name);
        EXPECT_EQ(doc->entry.m_bPictureLoaded, 0) << name;
        EXPECT_TRUE(doc->entry.m_bmpPicture.IsNull()) << name;
    }
}

} // namespace
