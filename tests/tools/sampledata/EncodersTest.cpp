// Byte layouts of the files the converter writes.
#include "tools/sampledata/src/BaseMapFiles.h"

#include <gtest/gtest.h>

using namespace sampledata;

namespace {

int32_t le32(const std::string& b, size_t at) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(b[at + i])) << (8 * i);
  return static_cast<int32_t>(v);
}

int16_t le16(const std::string& b, size_t at) {
  return static_cast<int16_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8));
}

std::vector<int32_t> int32s(const ByteBuffer& buffer) {
  std::vector<int32_t> values;
  for (size_t at = 0; at + 4 <= buffer.size(); at += 4) values.push_back(le32(buffer.bytes(), at));
  return values;
}

}  // namespace

TEST(SampleDataEncoders, OutlineRecordsAreLatitudeFirstWithPenLifts) {
  const ByteBuffer file = outlineFile({{{135.5, 34.25}, {135.50001, 34.25001}, {136.0, 35.0}},
                                       {{140.0, 40.0}, {140.00001, 40.00001}}});  // rounds to one point
  EXPECT_EQ(int32s(file), (std::vector<int32_t>{999, 999, 342500, 1355000, 350000, 1360000, 999, 999}));
}

TEST(SampleDataEncoders, PrefecturePolygonsHaveAHeaderAfterEveryPenLift) {
  const ByteBuffer file = prefecturePolygonFile({{13, {{139.0, 35.0}, {139.5, 35.5}, {139.0, 35.0}}},
                                                 {47, {{127.0, 26.0}, {128.0, 26.5}, {127.0, 26.0}}}});
  EXPECT_EQ(int32s(file), (std::vector<int32_t>{999, 999, 13, 0, 350000, 1390000, 355000, 1395000, 350000,
                                                1390000, 999, 999, 47, 0, 260000, 1270000, 265000, 1280000,
                                                260000, 1270000, 999, 999, 47, 0}));
}

TEST(SampleDataEncoders, LakesAreBoxedAndClosedInArcSeconds) {
  const ByteBuffer file = lakeFile({{{136.0, 35.0}, {136.1, 35.2}, {135.9, 35.1}, {136.0, 35.0}}});
  EXPECT_EQ(int32s(file), (std::vector<int32_t>{126000, 489240, 126720, 489960, 126000, 489600, 126720,
                                                489960, 126360, 489240, 126000, 489600, 999, 999}));
}

TEST(SampleDataEncoders, MeshFilesGroupPiecesUnderOneHeaderPerMesh) {
  MeshPieces pieces;
  pieces[5339] = {{{0.0, 1.0}, {0.5, 0.25}}, {{1.0, 0.0}, {0.99999, 0.00001}}};
  pieces[5340] = {{{0.0, 0.5}, {0.1, 0.1}}};
  const ByteBuffer coast = meshLineFile(pieces, {5339, 5340}, 3190);
  std::vector<int16_t> values;
  for (size_t at = 0; at < coast.size(); at += 2) values.push_back(le16(coast.bytes(), at));
  // The second piece of 5339 rounds to a single point and is left out.
  EXPECT_EQ(values, (std::vector<int16_t>{-7777, 5339, -999, 0, 0, 3190, 1595, 798,
                                          -7777, 5340, -999, 0, 0, 1595, 319, 319}));
}

TEST(SampleDataEncoders, RegionFilesOfMeshes) {
  struct Case { int mesh, coast, border; };
  for (const Case& c : {Case{4929, 1, 3}, Case{5030, 2, 3}, Case{5132, 2, 2}, Case{5235, 3, 2},
                        Case{5236, 4, 2}, Case{5338, 4, 1}, Case{5339, 5, 1}, Case{6241, 5, 1},
                        Case{6339, 6, 0}, Case{6441, 6, 0}}) {
    EXPECT_EQ(coastFileOfMesh(c.mesh), c.coast) << c.mesh;
    EXPECT_EQ(borderFileOfMesh(c.mesh), c.border) << c.mesh;
  }
}

TEST(SampleDataEncoders, SheetIndexColumns) {
  const std::string line = sheetIndexLine({5339, "東京", "tokyo"});
  const std::string tokyo = toCp932("東京");
  EXPECT_EQ(line, "5339     " + tokyo + "        " + " 35.2000   139.0000 tokyo");
  EXPECT_EQ(line.substr(9, 12), tokyo + "        ");
  EXPECT_EQ(line.substr(22, 7), "35.2000");
  EXPECT_EQ(line.substr(32, 8), "139.0000");
  EXPECT_EQ(sheetIndexLine({6841, "稚内", "wakkanai"}).substr(22, 7), "45.2000");
  EXPECT_EQ(sheetIndexLine({3927, "那覇", "naha"}).substr(22, 7), "26.0000");
  EXPECT_THROW(sheetIndexLine({5339, "東京東京東京東", "x"}), std::runtime_error);
}

TEST(SampleDataEncoders, PrefectureTableLines) {
  Prefecture hokkaido;
  hokkaido.name = "北海道";
  hokkaido.officeLatMinutes = 43 * 60 + 4;
  hokkaido.officeLonMinutes = 141 * 60 + 21;
  const std::string bytes = prefectureTableFile({hokkaido}).bytes();
  const std::string expectedLast = "43.0400 141.2100 " + toCp932("北海道") + "\r\n";
  ASSERT_GE(bytes.size(), expectedLast.size());
  EXPECT_EQ(bytes.substr(bytes.size() - expectedLast.size()), expectedLast);
  EXPECT_EQ(bytes[0], ';');
  EXPECT_EQ(bytes.find("\n"), bytes.find("\r\n") + 1);
}
