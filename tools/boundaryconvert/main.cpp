// veldoran-convert-boundaries FOLDER n03|c23: converts the published administrative-area (n03) or
// coastline (c23) text files of FOLDER (a Linux path) into FOLDER/CityPlgn or FOLDER/CoastC23, as
// Surrick's conversion does, and prints its closing message. Exit status 1 when a file was
// refused or not written.
#include "municipal/conversion/FolderConversion.h"
#include "platform/fs/PathResolver.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3 || (std::string(argv[2]) != "n03" && std::string(argv[2]) != "c23")) {
        std::fprintf(stderr, "usage: veldoran-convert-boundaries FOLDER n03|c23\n");
        return 2;
    }
    const auto folder = vd::toWindowsPath(std::filesystem::absolute(argv[1]).string());
    if (!folder) {
        std::fprintf(stderr, "veldoran-convert-boundaries: %s is on no drive\n", argv[1]);
        return 2;
    }
    const municipal::SourceTheme theme =
        std::string(argv[2]) == "n03" ? municipal::SourceTheme::AdministrativeArea : municipal::SourceTheme::Coastline;
    const municipal::FolderConversionReport report = municipal::ConvertSourceFolder(*folder, theme);
    std::printf("%s\n", municipal::ClosingMessage(report, theme).c_str());
    return report.failedOutputs.empty() && report.refused.empty() && report.shortened.empty() ? 0 : 1;
}
