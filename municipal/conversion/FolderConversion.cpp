#include "municipal/conversion/FolderConversion.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/StringOps.h"

namespace municipal {

void ConversionObserver::fileStarted(const std::string&, int, int)
{
}

void ConversionObserver::headerRead(const SourceHeader&)
{
}

bool ConversionObserver::stopRequested()
{
    return false;
}

FolderConversionReport ConvertSourceFolder(const std::string& folderText, SourceTheme theme,
                                           ConversionObserver* observer)
{
    FolderConversionReport report;
    if (folderText.empty()) {
        // Not the folder the program was started from: nothing is converted.
        report.folderSet = false;
        return report;
    }
    std::string folder = folderText;
    if (!folder.ends_with('\\') && !folder.ends_with('/'))
        folder += '\\';
    const SourceColumns& columns = ColumnsOf(theme);
    const std::string outputFolder = folder + std::string(columns.outputFolder);
    (void)vd::makeFolder(outputFolder); // an existing folder is kept; a failure shows in each file

    report.outputFolder = outputFolder + "\\";
    SourcePlan plan = PlanSourceFolder(folder, theme);
    report.refused = std::move(plan.refused);
    report.prefectures = int(plan.files.size());
    int done = 0;
    for (const SourceFile& file : plan.files) {
        if (observer && observer->stopRequested()) {
            report.stopped = true;
            report.prefectures = done;
            break;
        }
        const std::string outputPath = outputFolder + "\\" + file.outputName;
        ++done;
        if (observer)
            observer->fileStarted(outputPath, done, report.prefectures);
        const FileConversionResult result =
            ConvertSourceFile(folder + file.name, outputPath, theme, [observer](const SourceHeader& header) {
                if (observer)
                    observer->headerRead(header);
            });
        if (!result.written)
            report.failedOutputs.push_back(outputPath);
        if (result.refusedLinks > 0)
            report.shortened.push_back(vd::format("%s: リンク %d 件 (上限 %d 件を超えた分)", file.name,
                                                  result.refusedLinks, columns.linkLimit));
        if (result.refusedAreaCodes > 0)
            report.shortened.push_back(vd::format("%s: エリア %d 件を台帳に使わず (上限 %d 件を超えた分)", file.name,
                                                  result.refusedAreaCodes, kAreaCodeLimit));
    }
    return report;
}

int KeepBundledFiles(const std::string& outputFolder, const std::string& bundledFolder)
{
    if (vd::toLowerAscii(outputFolder) == vd::toLowerAscii(bundledFolder))
        return 0;
    const auto bundled = vd::listFolder(bundledFolder + "Pg*.dat");
    if (!bundled)
        return 0;
    int kept = 0;
    for (const vd::FolderEntry& entry : *bundled)
        if (!entry.status.isFolder && vd::copyFileNew(bundledFolder + entry.name, outputFolder + entry.name))
            ++kept;
    return kept;
}

std::string ClosingMessage(const FolderConversionReport& report, SourceTheme theme)
{
    if (!report.folderSet)
        return theme == SourceTheme::AdministrativeArea ? "行政界・海岸線のフォルダが指定されていません。"
                                                         : "海岸線のフォルダが指定されていません。";
    std::string text = vd::format("変換が終りました。  (都道府県数=%d)", report.prefectures);
    text += "\n\n書き込んだフォルダ:\n  " + report.outputFolder;
    if (report.bundledKept > 0)
        text += vd::format("\n(同梱の行政界ファイル %d 件も、このフォルダに写しました)", report.bundledKept);
    if (!report.failedOutputs.empty()) {
        text += "\n\n書き込めなかったファイル:";
        for (const std::string& path : report.failedOutputs)
            text += "\n  " + path;
    }
    if (!report.refused.empty()) {
        text += "\n\n変換しなかったファイル:";
        for (const RefusedSource& source : report.refused)
            text += "\n  " + source.name + " (" + source.reason + ")";
    }
    if (!report.shortened.empty()) {
        text += "\n\n一部を除いたファイル:";
        for (const std::string& note : report.shortened)
            text += "\n  " + note;
    }
    return text;
}

} // namespace municipal
