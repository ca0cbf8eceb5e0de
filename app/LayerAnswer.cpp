#include "app/LayerAnswer.h"

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

int LayerAnswer::Int() { return vd::parseInt(Text()); }

std::string LayerAnswer::Text() { return next_ < fields_.size() ? fields_[next_++] : std::string(); }

std::string LayerAnswer::Rest() const
{
    const std::size_t from = next_ == 0 ? 0 : ends_[next_ - 1];
    return answer_.substr(from);
}
