// A folder of published administrative-area files (n03) large enough that their conversion runs
// for a while, for the end-to-end runs that end the program during it.
//   veldoran-e2e-boundary-sources <folder> <files> <links a file>
// Writes n03-001-00.txt ... (one file a prefecture slot from 00): each with its links of 20
// points, an area for every five links and a ledger line for each area.
#include "tests/municipal/conversion/SourceFixtures.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace fixtures;

namespace {

std::string SourceFile(int slot, int links)
{
    constexpr int kPointsPerLink = 20;
    constexpr int kLinksPerArea = 5;
    const int areas = links / kLinksPerArea;
    std::vector<std::string> lines{"N03 END-TO-END " + std::to_string(slot), Header(links + 2 * areas, links, areas, areas)};
    for (int link = 1; link <= links; ++link) {
        lines.push_back(LinkRecord(link, 1, kPointsPerLink));
        for (int row = 0; row < kPointsPerLink / 5; ++row) {
            const int x = 4800000 + link * 40 + row * 5;
            const int y = 1260000 + slot * 1000 + row;
            lines.push_back(Points({{x, y}, {x + 1, y + 1}, {x + 2, y + 2}, {x + 3, y + 3}, {x + 4, y + 4}}));
        }
    }
    for (int area = 0; area < areas; ++area) {
        const int first = area * kLinksPerArea + 1;
        lines.push_back(AreaRecord(slot * 1000 + area, kLinksPerArea));
        lines.push_back(References({{first, 1}, {first + 1, 1}, {first + 2, 1}, {first + 3, 1}, {first + 4, 1}}));
    }
    lines.push_back("D");
    for (int area = 0; area < areas; ++area)
        lines.push_back(LedgerLine(std::to_string(slot * 1000 + area), "県", "", "", "市" + std::to_string(area)));
    return Text(lines);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: veldoran-e2e-boundary-sources <folder> <files> <links a file>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int files = std::atoi(argv[2]);
    const int links = std::atoi(argv[3]);
    for (int slot = 0; slot < files && slot < 60; ++slot) {
        char name[32];
        std::snprintf(name, sizeof name, "/n03-001-%02d.txt", slot);
        WriteFile(folder + name, SourceFile(slot, links));
    }
    return 0;
}
