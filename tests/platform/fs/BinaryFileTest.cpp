#include "platform/fs/BinaryReader.h"
#include "platform/fs/BinaryWriter.h"
#include "platform/fs/LittleEndian.h"
#include "tests/platform/fs/FsTestSupport.h"

#include <gtest/gtest.h>

#include <string>

using vd::test::readBytes;
using vd::test::scratchFolder;
using vd::test::win;
using vd::test::writeBytes;

namespace {

TEST(BinaryFile, WritesAndReadsLittleEndianFields)
{
    const auto path = scratchFolder() / "Sf0001.dat";
    vd::BinaryWriter writer;
    ASSERT_TRUE(writer.open(win(path), vd::WriteMode::Replace));
    EXPECT_TRUE(writer.writeInt16(-2));
    EXPECT_TRUE(writer.writeInt32(0x12345678));
    EXPECT_TRUE(writer.writeFloat(1.5f));
    EXPECT_TRUE(writer.writeDouble(-0.1));
    EXPECT_TRUE(writer.writeBytes(std::string("\0\x81", 2)));
    ASSERT_TRUE(writer.close());
    EXPECT_EQ(readBytes(path), std::string("\xFE\xFF" "\x78\x56\x34\x12" "\x00\x00\xC0\x3F"
                                           "\x9A\x99\x99\x99\x99\x99\xB9\xBF" "\x00\x81", 20));

    vd::BinaryReader reader;
    ASSERT_TRUE(reader.open(win(path)));
    EXPECT_EQ(reader.size(), 20u);
    EXPECT_EQ(reader.readInt16(), -2);
    EXPECT_EQ(reader.readInt32(), 0x12345678);
    EXPECT_EQ(reader.readFloat(), 1.5f);
    EXPECT_EQ(reader.readDouble(), -0.1);
    EXPECT_EQ(reader.position(), 18u);
    EXPECT_EQ(reader.readInt32(), std::nullopt); // two bytes left: the end
    EXPECT_FALSE(reader.failed());
    ASSERT_TRUE(reader.seek(2));
    EXPECT_EQ(reader.readInt32(), 0x12345678);
}

TEST(BinaryFile, AShortLastRecordIsTheEnd)
{
    const auto path = scratchFolder() / "RECORDS.DAT";
    std::string bytes;
    for (int i = 0; i < 3; ++i) {
        vd::appendInt16(bytes, static_cast<std::int16_t>(1000 + i));
        vd::appendFloat(bytes, 0.5f * static_cast<float>(i));
    }
    writeBytes(path, bytes + "\x01\x02\x03"); // a cut-off fourth record

    vd::BinaryReader reader;
    ASSERT_TRUE(reader.open(win(scratchFolder()) + "\\records.dat"));
    std::string record;
    int count = 0;
    while (reader.readRecord(6, record)) {
        EXPECT_EQ(vd::int16At(record, 0), 1000 + count);
        EXPECT_EQ(vd::floatAt(record, 2), 0.5f * static_cast<float>(count));
        EXPECT_EQ(vd::int32At(record, 4), std::nullopt); // past the record
        ++count;
    }
    EXPECT_EQ(count, 3);
    EXPECT_TRUE(record.empty());
    EXPECT_FALSE(reader.readRecord(1, record));
    EXPECT_FALSE(reader.failed());
}

TEST(BinaryFile, AppendsBytesAsTheyAre)
{
    const auto path = scratchFolder() / "bin.dat";
    writeBytes(path, "ab\x1A"); // no text rules for binary files
    vd::BinaryWriter writer;
    ASSERT_TRUE(writer.open(win(path), vd::WriteMode::AppendExisting));
    EXPECT_TRUE(writer.writeInt16(0x4443));
    ASSERT_TRUE(writer.close());
    EXPECT_EQ(readBytes(path), "ab\x1A" "CD");

    vd::BinaryReader reader;
    EXPECT_FALSE(reader.open(win(scratchFolder() / "missing.dat")));
    EXPECT_EQ(reader.readInt16(), std::nullopt);
    EXPECT_FALSE(writer.open(win(scratchFolder() / "missing.dat"), vd::WriteMode::AppendExisting));
}

} // namespace
