// Coordinate texts and the kinds of file names.
#include "app/document/VeldoranDoc.h"

#include "basemap/projection/CoordinateText.h"
#include "platform/text/StringOps.h"

int CVeldoranDoc::DmsToSeconds(const std::string& text)
{
    return ::DmsToSeconds(text);
}

std::string CVeldoranDoc::SecondsToDms(int seconds)
{
    return ::SecondsToDms(seconds);
}

int CVeldoranDoc::GetFileKind(const std::string& name)
{
    // Looked for anywhere in the name, not only at its end; a web page wins over everything,
    // then the first of these in this order.
    const std::string lowered = vd::toLowerAscii(name);
    const auto holds = [&](const char* what) { return lowered.find(what) != std::string::npos; };
    if (holds(".htm") || holds("http:"))
        return 10;
    static constexpr struct {
        const char* extension;
        int kind;
    } kKinds[] = {{".alb", 8}, {".pic", 4}, {".pcd", 3}, {".gif", 2}, {".jpg", 1}, {".bmp", 0}};
    for (const auto& k : kKinds)
        if (holds(k.extension))
            return k.kind;
    return 9;
}
