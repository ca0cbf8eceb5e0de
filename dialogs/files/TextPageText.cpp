#include "dialogs/files/TextPageText.h"

#include "platform/fs/TextReader.h"

namespace {

constexpr std::string_view kEndMark = "999";

} // namespace

std::string TextDisplayText(std::string_view winPath)
{
    std::string text;
    vd::TextReader reader;
    if (!reader.open(winPath))
        return text;
    std::string line;
    while (reader.readLine(line) && line != kEndMark)
        text += line + "\r\n";
    return text;
}

std::string MemoText(int mode, std::string_view winPath, const std::string& callerText)
{
    if (mode != 1 && mode != 2)
        return callerText;
    std::string text = kMemoHeader;
    vd::TextReader reader;
    if (!reader.open(winPath))
        return text;
    std::string line;
    if (mode == 1) {
        bool inMemo = false;
        while (reader.readLine(line)) {
            if (line == kEndMark)
                inMemo = true;
            else if (inMemo)
                text += line + "\r\n";
        }
    } else {
        for (int n = 0; n < kMemoHeadLines && reader.readLine(line); ++n)
            text += line + "\r\n";
    }
    return text;
}
