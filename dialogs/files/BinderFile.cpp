#include "dialogs/files/BinderFile.h"

#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"

std::vector<std::string> ReadBinderTitles(std::string_view winPath)
{
    std::vector<std::string> titles;
    vd::TextReader reader;
    if (!reader.open(winPath))
        return titles;
    std::string line;
    while (int(titles.size()) < kMaxBinderTitles && reader.readLine(line))
        if (!line.empty() && line[0] != ';')
            titles.push_back(line);
    return titles;
}

bool AppendBinderTitle(std::string_view winPath, std::string_view title)
{
    vd::TextWriter writer;
    if (!writer.open(winPath, vd::WriteMode::AppendExisting))
        return false;
    writer.writeLine(title);
    return writer.close();
}

bool RewriteBinderTitles(std::string_view winPath, const std::vector<std::string>& titles)
{
    vd::TextWriter writer;
    if (!writer.open(winPath, vd::WriteMode::Replace))
        return false;
    for (const std::string& title : titles)
        writer.writeLine(title);
    return writer.close();
}
