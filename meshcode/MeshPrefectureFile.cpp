#include "meshcode/MeshPrefectureFile.h"

#include "platform/fs/TextReader.h"
#include "platform/text/Numbers.h"

#include <algorithm>

namespace meshcode {

std::vector<std::string> SplitPrefectureCodes(std::string_view line, int maxCodes)
{
    const std::size_t equals = line.find('=');
    std::string_view rest = equals == std::string_view::npos ? line : line.substr(equals + 1);
    std::vector<std::string> codes;
    while (maxCodes <= 0 || int(codes.size()) < maxCodes) {
        const std::size_t blank = rest.find(' ');
        if (blank == std::string_view::npos) {
            if (!rest.empty())
                codes.emplace_back(rest);
            break;
        }
        codes.emplace_back(rest.substr(0, blank));
        rest.remove_prefix(blank + 1);
    }
    return codes;
}

std::vector<std::string> ReadMeshPrefectureLine(std::string_view winPath, std::string_view meshCode,
                                                MeshPrefectureRule rule)
{
    return MeshPrefectureTable(rule).cell(winPath, meshCode);
}

const std::vector<std::string>& MeshPrefectureTable::cell(std::string_view winPath, std::string_view meshCode)
{
    static const std::vector<std::string> none;
    if (!lines_) {
        lines_.emplace();
        vd::TextReader reader;
        std::string line;
        if (reader.open(winPath))
            while (reader.readLine(line))
                if (!line.empty() && line.front() != ';') {
                    auto codes = SplitPrefectureCodes(line, rule_.maxCodes);
                    if (rule_.lastLineWins)
                        (*lines_)[line.substr(0, 4)] = std::move(codes);
                    else
                        lines_->try_emplace(line.substr(0, 4), std::move(codes));
                }
    }
    const auto it = lines_->find(meshCode);
    return it == lines_->end() ? none : it->second;
}

void BlankUnselectedPrefectures(std::vector<std::string>& codes, const int* flags)
{
    const bool wholeCountry = flags[0] != 0;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i].empty())
            continue;
        const int code = vd::parseInt(codes[i]);
        const bool known = code >= 1 && code <= kPrefectureCount;
        const bool repeat = std::find(codes.begin(), codes.begin() + std::ptrdiff_t(i), codes[i]) != codes.begin() + std::ptrdiff_t(i);
        if (!known || repeat || (!wholeCountry && flags[code] == 0))
            codes[i].clear();
    }
}

int MarkPrefecturesRead(std::vector<std::string>& cellCodes, int read,
                        std::array<std::string, kMaxPrefecturesRead>& alreadyRead)
{
    read = std::clamp(read, 0, kMaxPrefecturesRead);
    if (read == 0)
        alreadyRead.fill({});
    const auto readEnd = alreadyRead.begin() + read;
    for (std::string& code : cellCodes)
        if (!code.empty() && std::find(alreadyRead.begin(), readEnd, code) != readEnd)
            code.clear();
    int count = read;
    for (const std::string& code : cellCodes)
        if (!code.empty() && count < kMaxPrefecturesRead)
            alreadyRead[std::size_t(count++)] = code;
    return count;
}

} // namespace meshcode
