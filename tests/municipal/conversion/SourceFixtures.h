#pragma once
// Published link-and-area text as the tests need it: fixed-column lines built field by field
// (CP932, CR LF) and the expected binary records.
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace fixtures {

// A line with each text (UTF-8) put at its byte column, blanks between.
inline std::string Line(std::initializer_list<std::pair<int, std::string>> fields)
{
    std::string line;
    for (const auto& [column, text] : fields) {
        const std::string bytes = vd::utf8ToCp932(text);
        if (line.size() < column + bytes.size())
            line.resize(column + bytes.size(), ' ');
        line.replace(std::size_t(column), bytes.size(), bytes);
    }
    return line;
}

// A coordinate line of (longitude, latitude) pairs.
inline std::string Points(std::initializer_list<std::pair<int, int>> points)
{
    std::string line;
    for (const auto& [longitude, latitude] : points)
        line += vd::format("%8d%8d", longitude, latitude);
    return line;
}

// A reference line of (link number, sub-number) pairs.
inline std::string References(std::initializer_list<std::pair<int, int>> references)
{
    std::string line;
    for (const auto& [link, sub] : references)
        line += vd::format("%6d%6d  ", link, sub);
    return line;
}

inline std::string Header(int all, int links, int areas, int ledger)
{
    return Line({{0, vd::format("%8d", all)}, {16, vd::format("%8d", links)}, {24, vd::format("%8d", areas)},
                 {48, vd::format("%8d", ledger)}});
}

// "L" records of both themes: the point count starts at column 46 (n03) or 45 (c23).
inline std::string LinkRecord(int link, int sub, int count, int countColumn = 46)
{
    return Line({{0, "L"}, {3, vd::format("%6d", link)}, {27, vd::format("%6d", sub)},
                 {countColumn, vd::format("%d", count)}});
}

inline std::string AreaRecord(int code, int count, const std::string& field = " 4891842 1270224")
{
    return Line({{0, "A"}, {9, field}, {35, vd::format("%10d", code)}, {45, vd::format("%6d", count)}});
}

inline std::string CoastAreaRecord(int code, int count)
{
    return Line({{0, "S"}, {37, vd::format("%10d", code)}, {47, vd::format("%6d", count)}});
}

inline std::string LedgerLine(const std::string& code, const std::string& n1, const std::string& n2,
                              const std::string& n3, const std::string& n4)
{
    auto pad = [](const std::string& utf8) {
        std::string bytes = vd::utf8ToCp932(utf8);
        bytes.resize(12, ' ');
        return vd::cp932ToUtf8(bytes);
    };
    return Line({{0, "DA"}, {8, code}, {16, pad(n1)}, {32, pad(n2)}, {48, pad(n3)}, {64, pad(n4)}});
}

inline std::string Text(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Expected binary pieces.
inline std::string Record(const std::string& utf8, std::size_t size)
{
    std::string bytes = vd::utf8ToCp932(utf8);
    bytes.resize(size, '\0');
    return bytes;
}

inline std::string Int32s(std::initializer_list<std::pair<int, int>> pairs)
{
    std::string bytes;
    for (const auto& [a, b] : pairs)
        for (std::int32_t v : {a, b})
            for (int i = 0; i < 4; ++i)
                bytes.push_back(char((std::uint32_t(v) >> (8 * i)) & 0xFF));
    return bytes;
}

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The administrative-area fixture: two municipalities sharing link 2 (the second walks it
// backwards), a reference to a link that comes only later, a link ended by (0, 0), an area
// announcing no references that still reads its one reference line, and a ledger line without
// an area.
inline std::string AdministrativeFixture()
{
    return Text({
        "N03 FIXTURE",
        Header(9, 4, 3, 3),
        LinkRecord(1, 1, 3),
        Points({{100, 200}, {110, 210}, {120, 220}}),
        LinkRecord(2, 1, 2),
        Points({{120, 220}, {130, 200}}),
        LinkRecord(3, 1, 7),
        Points({{5, 5}, {6, 6}, {0, 0}, {7, 7}, {8, 8}}),
        Points({{9, 9}, {10, 10}}),
        AreaRecord(25201, 2),
        References({{1, 1}, {2, 1}}),
        AreaRecord(25202, 3, " 4800000 1260000"),
        References({{2, -1}, {4, 1}, {1, -1}}),
        AreaRecord(25203, 0),
        References({{3, 1}}),
        Line({{0, "N"}, {3, "ignored"}}),
        LinkRecord(4, 1, 1),
        Points({{1, 1}}),
        "D",
        LedgerLine("25201", "滋賀県", "", "", "大津市"),
        LedgerLine("25202", "滋賀県", "", "", "彦根市"),
        Line({{0, "DA"}, {8, "25209"}, {16, "滋賀県"}}), // ends early; no area
    });
}

inline std::string ExpectedAdministrativeFile()
{
    auto name = [](const std::string& utf8) {
        std::string bytes = vd::utf8ToCp932(utf8);
        bytes.resize(12, ' ');
        return vd::cp932ToUtf8(bytes);
    };
    const std::string blank(12, ' ');
    return Record("25201" + name("滋賀県") + blank + blank + name("大津市") + " 4891842 1270224", 81) +
           Record("25202" + name("滋賀県") + blank + blank + name("彦根市") + " 4800000 1260000", 81) +
           Record("25209滋賀県", 81) + Record("999", 81) +
           Record("25201", 10) + Int32s({{100, 200}, {110, 210}, {120, 220}, {120, 220}, {130, 200}, {999, 999}}) +
           Record("25202", 10) + Int32s({{130, 200}, {120, 220}, {120, 220}, {110, 210}, {100, 200}, {999, 999}}) +
           Record("25203", 10) + Int32s({{5, 5}, {6, 6}, {999, 999}});
}

// The coastline fixture: a link under a negative sub-number, found by its "%03d" key and written
// forwards; a reference whose sub-number differs finds nothing; a ledger text longer than a record.
inline std::string CoastlineFixture()
{
    return Text({
        "C23 FIXTURE",
        Header(3, 1, 1, 2),
        LinkRecord(1, -2, 3, 45),
        Points({{300, 400}, {310, 410}, {320, 420}}),
        CoastAreaRecord(1, 2),
        References({{1, -2}, {1, 2}}),
        "D",
        Line({{0, "DS"}, {3, vd::format("%10d", 59)}, {16, "海岸線 テスト"}}),
        Line({{0, "DS"}, {3, vd::format("%10d", 7)}, {16, std::string(100, 'x')}}),
    });
}

inline std::string ExpectedCoastlineFile()
{
    return Record("59海岸線 テスト", 81) + ("7" + std::string(80, 'x')) + Record("-999", 81) + Record("1", 10) +
           Int32s({{300, 400}, {310, 410}, {320, 420}, {999, 999}});
}

} // namespace fixtures
