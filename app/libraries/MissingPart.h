#pragma once
// A command whose library, or whose entry point in it, is not installed tells the user which
// part is missing instead of doing nothing. Once the library exports the entry point the
// command runs and no word is said.
#include "contracts/bindings/LibraryExport.h"

#include <string>
#include <string_view>

// "「地震」の部分がインストールされていません。…": the part's name, the library file and the entry point.
std::string MissingPartMessage(std::string_view part, std::string_view library, std::string_view entry);

// Shows MissingPartMessage in a message box.
void ReportMissingPart(std::string_view part, std::string_view library, std::string_view entry);

// The command's entry point, or null after telling the user that its part is missing.
template <class Fn>
Fn* CommandEntryPoint(std::string_view part, const LibraryExport<Fn>& entry)
{
    if (!entry.fn)
        ReportMissingPart(part, entry.library, entry.name);
    return entry.fn;
}

// The parts, by what the user asked for.
inline constexpr const char* kMunicipalityPart = "市区町村";
inline constexpr const char* kStatisticsPart = "都道府県別データ";
inline constexpr const char* kGeologyPart = "地質";
inline constexpr const char* kSeismicPart = "地震";
inline constexpr const char* kDepthPart = "水深";
inline constexpr const char* kPresetPart = "表示設定の一括登録";
inline constexpr const char* kSheetRegistrationPart = "図幅の登録";
