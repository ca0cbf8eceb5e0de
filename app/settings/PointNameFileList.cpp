#include "app/settings/PointNameFileList.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"

std::string PointNameListPath(const std::string& appDir)
{
    return appDir + kPointNameListFile;
}

std::vector<std::string> ReadPointNameFiles(const std::string& listPath, std::size_t limit)
{
    std::vector<std::string> entries;
    vd::TextReader reader;
    if (!reader.open(listPath))
        return entries;
    std::string line;
    while ((limit == 0 || entries.size() < limit) && reader.readLine(line)) {
        if (line.empty() || line.front() == ';')
            continue;
        entries.push_back(line);
    }
    return entries;
}

bool EnsurePointNameList(const std::string& appDir)
{
    const std::string listPath = PointNameListPath(appDir);
    vd::TextReader probe;
    if (probe.open(listPath) || vd::pathExists(listPath))
        return true;
    vd::TextWriter writer;
    if (!writer.open(listPath, vd::WriteMode::Replace))
        return false;
    writer.writeLine(appDir + kDefaultPlaceNameFile);
    return writer.close();
}

bool AppendPointNameFile(const std::string& listPath, const std::string& path)
{
    vd::TextWriter writer;
    if (!writer.open(listPath, vd::WriteMode::Append))
        return false;
    writer.writeLine(path);
    return writer.close();
}
