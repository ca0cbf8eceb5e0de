#include "app/layers/LayerAnswer.h"

#include "platform/text/Numbers.h"

std::optional<LayerAnswer> LayerAnswer::Split(const std::string& answer, int count)
{
    LayerAnswer split;
    split.answer_ = answer;
    std::size_t at = 0;
    for (int i = 0; i < count; ++i) {
        const std::size_t bar = answer.find('|', at);
        if (bar == std::string::npos)
            return std::nullopt;
        split.fields_.push_back(answer.substr(at, bar - at));
        split.ends_.push_back(bar + 1);
        at = bar + 1;
    }
    return split;
}

LayerAnswer LayerAnswer::SplitAll(const std::string& answer)
{
    int bars = 0;
    for (char c : answer)
        bars += c == '|';
    return *Split(answer, bars);
}

int LayerAnswer::Int() { return vd::parseInt(Text()); }

std::string LayerAnswer::Text()
{
    if (next_ < fields_.size())
        return fields_[next_++];
    exhausted_ = true;
    return {};
}

std::string LayerAnswer::Rest() const
{
    if (exhausted_)
        return {};
    const std::size_t from = next_ == 0 ? 0 : ends_[next_ - 1];
    return answer_.substr(from);
}
