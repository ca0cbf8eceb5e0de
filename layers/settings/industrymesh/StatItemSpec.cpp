#include "layers/settings/industrymesh/StatItemSpec.h"

#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"

namespace {

// The part before the next "/", the text going on after it; empty when no "/" is left.
std::string_view TakePart(std::string_view& rest)
{
    const auto slash = rest.find('/');
    if (slash == std::string_view::npos)
        return {};
    const std::string_view part = rest.substr(0, slash);
    rest.remove_prefix(slash + 1);
    return part;
}

} // namespace

StatItemSpec SplitStatItemSpec(std::string_view text)
{
    StatItemSpec spec;
    spec.name = std::string(TakePart(text));
    spec.from = vd::parseInt(TakePart(text));
    spec.to = vd::parseInt(TakePart(text));
    spec.interval = vd::parseInt(text);
    return spec;
}

std::string JoinStatItemSpec(const StatItemSpec& spec)
{
    return spec.name + "/" + std::to_string(spec.from) + "/" + std::to_string(spec.to) + "/"
           + std::to_string(spec.interval);
}

std::string StatItemNameText(std::string name)
{
    vd::replaceAll(name, "/", "／");
    vd::replaceAll(name, "#", "＃");
    return name;
}
