// The place names the sample data takes: Japanese from the inputs' table or the catalogue, never
// the catalogue's romaji, and none in Latin letters in the bundled placenmn.dat.
#include "tools/sampledata/src/Towns.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace sampledata;

TEST(SampleDataTowns, TheJapaneseNameComesFromTheTableThenACatalogueEntryWithoutLatinLetters)
{
    const std::map<std::string, std::string> table = readNameTable(VD_SAMPLEDATA_INPUTS "/town-names.tsv");
    const std::map<std::string, std::string> catalogue = {
        {"1859146", "Kōchi-shi"}, {"1853354", "Ryūō"}, {"1853909", "大阪市"}, {"7", "Arai-chō"}, {"8", "新居町"}};
    const struct {
        int64_t id;
        std::optional<std::string> name;
    } cases[] = {
        {1859146, "高知市"},   // romaji in the catalogue, Japanese in the table
        {1853354, "竜王"},
        {1849876, "富山市"},
        {1864180, "塩山市"},
        {2112077, "黒磯市"},
        {1853909, "大阪市"},   // the catalogue's Japanese name
        {7, std::nullopt},     // romaji only: no Japanese name
        {8, "新居町"},
        {9, std::nullopt},     // in neither
    };
    for (const auto& c : cases) EXPECT_EQ(japaneseTownName(c.id, table, catalogue), c.name) << c.id;
}

TEST(SampleDataTowns, TheBundledPlaceNamesAreAllJapanese)
{
    std::ifstream in(std::filesystem::path(VD_SAMPLE_DATA_DIR) / "placenmn.dat", std::ios::binary);
    ASSERT_TRUE(in);
    int lines = 0;
    for (std::string line; std::getline(in, line); ++lines) {
        // The single-byte characters of the name: a CP932 trail byte may look like a letter.
        std::string singleBytes;
        for (size_t i = 0; i < line.size() && line[i] != ' '; ++i) {
            const auto c = static_cast<unsigned char>(line[i]);
            if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ++i;
            else singleBytes += static_cast<char>(c);
        }
        EXPECT_EQ(singleBytes.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"), std::string::npos)
            << "line " << lines + 1 << ": " << singleBytes << ": run tools/sampledata/make-sample-data.sh";
    }
    EXPECT_GT(lines, 100);
}
