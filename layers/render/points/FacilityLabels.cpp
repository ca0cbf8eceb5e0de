#include "layers/render/points/FacilityLabels.h"

#include "layers/render/points/PointColumns.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"

#include <array>

namespace points {

namespace {

constexpr int kAnyKind = -1;
constexpr std::string_view kMissingHeight = "99999";

// Names by a digit from 1; digits without a name give the fallback.
template <std::size_t N>
std::string Named(const std::array<const char*, N>& names, int digit, const char* other)
{
    return digit >= 1 && digit <= int(N) ? names[std::size_t(digit - 1)] : other;
}

std::string Tenths(std::string_view line, int start, int length, const char* form)
{
    return vd::format(form, ColumnNumber(line, start, length) * 0.1);
}

// A height in mm, "99999" when missing.
std::optional<std::string> Height(std::string_view line, int start)
{
    if (Column(line, start, 5) == kMissingHeight)
        return std::nullopt;
    return vd::format("%.3fm", ColumnNumber(line, start, 5) * 0.001);
}

std::string TidalLimitType(int digit)
{
    static constexpr std::array<const char*, 4> kTypes{"河口堰", "潮止堰", "その他の施設", "施設なし"};
    return Named(kTypes, digit, "");
}

std::string HarbourManager(int digit)
{
    static constexpr std::array<const char*, 5> kManagers{"県", "市", "港務局", "一部事務組合", "56条"};
    return Named(kManagers, digit, "その他");
}

std::string HarbourClass(int digit)
{
    static constexpr std::array<const char*, 2> kClasses{"甲種", "乙種"};
    return digit == 0 ? "その他" : Named(kClasses, digit, "");
}

std::string HarbourGrade(int digit)
{
    static constexpr std::array<const char*, 4> kGrades{"特定重要港湾", "重要港湾", "地方港湾", "その他"};
    return Named(kGrades, digit, "");
}

std::string HarbourName(std::string_view line) { return CutAtFullBlank(ColumnText(line, 34, 20)); }

// A count of the later survey unless it holds the missing mark, else of the earlier one.
std::string SurveyCount(std::string_view line, int later, int earlier, int length, int missing, const char* unit)
{
    const int recent = ColumnNumber(line, later, length);
    if (recent != missing)
        return vd::format("%d", recent) + unit;
    const int older = ColumnNumber(line, earlier, length);
    if (older != missing)
        return vd::format("[1984]%d", older) + unit;
    return {};
}

int RequiredKind(int key)
{
    switch (key) {
    case 40:
    case 41:
    case 100:
    case 101:
        return 1;
    case 42:
    case 43:
    case 102:
    case 103:
    case 105:
        return 2;
    case 44:
    case 104:
        return 3;
    case 45:
        return 4;
    default:
        return kAnyKind;
    }
}

std::optional<std::string> KeyLabel(int key, std::string_view line)
{
    switch (key) {
    case 40:
        return Tenths(line, 27, 3, "%.1fm");
    case 41:
        return Tenths(line, 30, 3, "%.1fm");
    case 42:
        return "(" + ColumnText(line, 36, 2) + "/" + ColumnText(line, 41, 2) + ")";
    case 43:
        return vd::format("%.1fk/%.1fk", ColumnNumber(line, 38, 3) * 0.1, ColumnNumber(line, 43, 3) * 0.1);
    case 44:
    case 45:
        return CutAtEitherBlank(ColumnText(line, 46, 40));
    case 100:
    case 102:
        return CutAtEitherBlank(ColumnText(line, 31, 32));
    case 101: {
        std::string name = CutAtEitherBlank(ColumnText(line, 31, 32));
        std::optional<std::string> size = FacilitySizeText(line);
        if (name.empty() || !size)
            return std::nullopt;
        return name + "/" + *size;
    }
    case 103:
        return Height(line, 99);
    case 104:
        return Tenths(line, 151, 3, "%.1fkm");
    case 105:
        return Height(line, 114);
    case 400:
        return ColumnText(line, 29, 5);
    case 401:
        return ColumnText(line, 34, 3);
    case 402:
        return TidalLimitType(ColumnNumber(line, 37, 1)) + Tenths(line, 38, 3, "%.1fkm");
    case 410:
        return HarbourName(line) + "/" + ColumnText(line, 29, 5);
    case 411:
        return HarbourName(line) + "/" + HarbourManager(ColumnNumber(line, 54, 1));
    case 412:
        return HarbourClass(ColumnNumber(line, 25, 1)) + "/" + HarbourGrade(ColumnNumber(line, 26, 1));
    case 420:
        return CutAtFullBlank(ColumnText(line, 35, 20)) + "/" + ColumnText(line, 25, 7);
    case 421: {
        const int population = ColumnNumber(line, 293, 6);
        if (population != 0)
            return vd::format("%d人/%d隻", population, ColumnNumber(line, 281, 6));
        return vd::format("[1982]%d人/%d隻", ColumnNumber(line, 183, 6), ColumnNumber(line, 171, 6));
    }
    case 422: {
        const int landings = ColumnNumber(line, 287, 6);
        if (landings != 0)
            return vd::format("%.2f(億円)", landings * 0.01);
        return vd::format("([1982]%.2f(億円)", ColumnNumber(line, 177, 6) * 0.01);
    }
    case 430:
        return CutAtFullBlank(ColumnText(line, 50, 32));
    case 431:
        return SurveyCount(line, 115, 103, 3, 999, "回/日");
    case 432:
        return SurveyCount(line, 153, 133, 5, 99999, "人/日");
    default:
        return vd::cp932ToUtf8(line);
    }
}

} // namespace

int FacilityRecordKind(int modeCode, std::string_view line)
{
    return modeCode == 40 ? ColumnNumber(line, 25, 2) : ColumnNumber(line, 25, 1);
}

std::optional<std::string> FacilitySizeText(std::string_view line)
{
    const std::string_view sizeText = Column(line, 70, 7);
    if (sizeText.empty() || sizeText == "9999999")
        return std::nullopt;
    const int size = ColumnNumber(line, 70, 7);
    const int type = ColumnNumber(line, 63, 2);
    if (type <= 17)
        return vd::format("%d万kw", size / 10000);
    if (type >= 21 && type <= 24)
        return vd::format("%d万kl", size / 10000);
    if (type == 51 || type == 52)
        return vd::format("%dﾄﾝ", size);
    return std::nullopt;
}

std::optional<std::string> FacilityLabel(int modeCode, int key, std::string_view line)
{
    const int kind = RequiredKind(key);
    if (kind != kAnyKind && FacilityRecordKind(modeCode, line) != kind)
        return std::nullopt;
    return KeyLabel(key, line);
}

} // namespace points
