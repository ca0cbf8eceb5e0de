#pragma once
// The answer of a library's settings dialog taken apart: fields up to each "|", integers read as
// atoi reads them, and the rest of the answer after the last field taken. An answer with fewer
// fields than its layout is refused whole, so a short answer changes nothing.
#include <optional>
#include <string>
#include <vector>

class LayerAnswer {
public:
    // The answer cut at its first `count` bars; nothing when it has fewer.
    static std::optional<LayerAnswer> Split(const std::string& answer, int count);
    // The answer cut at every bar; a field it lacks reads 0 (empty), and the rest after a field
    // it lacked is empty.
    static LayerAnswer SplitAll(const std::string& answer);

    int Int();
    std::string Text();
    // What follows the last field taken (up to the end of the answer).
    std::string Rest() const;

private:
    std::string answer_;
    std::vector<std::string> fields_;
    std::vector<std::size_t> ends_; // position after each field's bar
    std::size_t next_ = 0;
    bool exhausted_ = false; // a field was asked for beyond the last one
};
