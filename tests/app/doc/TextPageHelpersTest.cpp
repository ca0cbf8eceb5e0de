// The document's helpers for texts shown as pages: the 78-byte page wrap, the head of a text file
// under its title line, and "@:" paths.
#include "app/document/TextFilePieces.h"
#include "app/document/VeldoranDoc.h"
#include "DocumentTestSupport.h"

#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

namespace {

using namespace doctest;

using TextPageHelpers = DocumentTest;

TEST_F(TextPageHelpers, SeventyEightBytesGiveTwoLinesTheSecondBlank)
{
    const std::string text(78, 'a');
    const std::string answer = doc->WrapTextPage(text);
    EXPECT_EQ(answer, "2/" + text + "\r\n" + std::string(78, ' ') + "\r\n");
    EXPECT_EQ(doc->entry.m_astrWorkText[0], text);
    EXPECT_EQ(doc->entry.m_astrWorkText[1], std::string(78, ' '));
    EXPECT_EQ(doc->entry.m_astrWorkText[2], "999");
}

TEST_F(TextPageHelpers, ALeadByteInColumn77MakesA79ByteLine)
{
    const std::string text = std::string(77, 'x') + "寺" + "yz";
    doc->WrapTextPage(text);
    EXPECT_EQ(vd::cp932Width(doc->entry.m_astrWorkText[0]), 79);
    EXPECT_EQ(doc->entry.m_astrWorkText[0], std::string(77, 'x') + "寺");
    EXPECT_EQ(doc->entry.m_astrWorkText[1].substr(0, 2), "yz");
    EXPECT_EQ(doc->entry.m_astrWorkText[2], "999");
}

TEST_F(TextPageHelpers, ALongTextFillsTwentyNineLinesAndTheAnswerHoldsThemAll)
{
    const std::string text(78 * 35, 'q');
    const std::string answer = doc->WrapTextPage(text);
    EXPECT_EQ(answer.substr(0, 3), "36/");
    EXPECT_EQ(doc->entry.m_astrWorkText[28], std::string(78, 'q'));
    EXPECT_EQ(doc->entry.m_astrWorkText[29], "999");
    EXPECT_EQ(answer.size(), 3 + 36 * 80u);
}

TEST_F(TextPageHelpers, ASectionHasItsTitleLineAndTheHeadOfTheFile)
{
    std::string text;
    text += "短い行\r\n";
    text += std::string(100, 'w') + "\r\n"; // two display lines
    for (int i = 0; i < 40; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    WriteBytes(Home() / "TEXT" / "HEAD.TXT", vd::utf8ToCp932(text));
    const std::string answer = doc->ReadTextSection(doc->folders.m_strAppDir + "TEXT\\HEAD.TXT", "寺", "案内");
    const std::string title = "===== 寺 案内 =====\r\n";
    ASSERT_EQ(answer.substr(0, title.size()), title);
    EXPECT_NE(answer.find("短い行\r\n"), std::string::npos);
    EXPECT_NE(answer.find(std::string(78, 'w') + "\r\n" + std::string(22, 'w') + std::string(56, ' ') + "\r\n"),
              std::string::npos);
    // 1 + 2 display lines, then 23 more: "line 22" is the last.
    EXPECT_NE(answer.find("line 22\r\n"), std::string::npos);
    EXPECT_EQ(answer.find("line 23"), std::string::npos);
    EXPECT_EQ(doc->ReadTextSection(doc->folders.m_strAppDir + "TEXT\\NONE.TXT", "a", "b"), "===== a b =====\r\n");
}

TEST_F(TextPageHelpers, AnAppPathStartsInTheApplicationFolder)
{
    EXPECT_EQ(doc->ExpandAppPath("@:TEXT\\A.TXT"), doc->folders.m_strAppDir + "TEXT\\A.TXT");
    EXPECT_EQ(doc->ExpandAppPath("C:\\A.TXT"), doc->folders.m_strAppDir + "\\A.TXT");
}

TEST_F(TextPageHelpers, OverLongLinesAreReadInPiecesNeverSplittingACharacter)
{
    const std::string line = std::string(3198, 'a') + "寺" + "b";
    const auto pieces = SplitTextPieces(line, 3199);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], std::string(3198, 'a'));
    EXPECT_EQ(pieces[1], "寺b");
    EXPECT_EQ(SplitTextPieces("", 10), std::vector<std::string>{""});
    // Bytes that are no CP932 still read and wrap.
    WriteBytes(Home() / "BAD.TXT", std::string("\x81\r\n\xff\xfe\x80", 6) + std::string(200, '\x82') + "\r\n");
    const auto lines = ReadTextFilePieces(doc->folders.m_strAppDir + "BAD.TXT", 3199, 10);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 2u);
    EXPECT_NO_THROW(doc->WrapTextPage((*lines)[1]));
}

} // namespace
