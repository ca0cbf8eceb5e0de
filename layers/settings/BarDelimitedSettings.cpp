#include "layers/settings/BarDelimitedSettings.h"

#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"

void BarDelimitedWriter::addInt(int value)
{
    text_ += std::to_string(value);
    text_ += '|';
}

void BarDelimitedWriter::addText(std::string_view text)
{
    text_ += text;
    text_ += '|';
}

std::string BarDelimitedReader::nextText()
{
    const auto bar = rest_.find(separator_);
    if (bar == std::string_view::npos)
        return {};
    std::string field(rest_.substr(0, bar));
    rest_.remove_prefix(bar + 1);
    return field;
}

int BarDelimitedReader::nextInt()
{
    return vd::parseInt(nextText());
}

IntegerSettingsInput ParseIntegerSettingsInput(std::string_view input, int count)
{
    IntegerSettingsInput parsed;
    if (const auto slash = input.find('/'); slash != std::string_view::npos) {
        parsed.callerMark = true;
        input = input.substr(0, slash);
    }
    parsed.values.assign(count > 0 ? count : 0, 0);
    if (input == "-1") {
        parsed.fromSettingsFile = true;
        return parsed;
    }
    BarDelimitedReader reader(input);
    for (int& value : parsed.values)
        value = reader.nextInt();
    return parsed;
}

std::string BarSafeText(std::string_view text)
{
    std::string safe(text);
    vd::replaceAll(safe, "|", "｜");
    return safe;
}

std::string FieldSafeText(std::string_view text)
{
    std::string safe = BarSafeText(text);
    vd::replaceAll(safe, "/", "／");
    return safe;
}
