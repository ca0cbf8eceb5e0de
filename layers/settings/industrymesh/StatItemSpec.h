#pragma once
// One statistics item of the industry-statistics meshes as the dialog and the mesh drawing name
// it: the item name, "/", the first and the last 累積桁数 (the item's character positions in a
// record, from 1), "/", the 区分間隔 (class interval): "販売額/12/17/50".
#include <string>
#include <string_view>

struct StatItemSpec {
    std::string name;
    int from = 0;
    int to = 0;
    int interval = 0;

    bool operator==(const StatItemSpec&) const = default;
};

// Three times the part before the next "/" is taken off (name, from, to); what is left is the
// interval. A missing "/" leaves its part empty (0) and the text whole for the next part, so an
// empty text is "", 0, 0, 0. Numbers read with the leading-digits rule.
StatItemSpec SplitStatItemSpec(std::string_view text);

// name + "/%d/%d/%d".
std::string JoinStatItemSpec(const StatItemSpec& spec);

// A name as the user registers it: a "/" would split it and a "#" would end the item definition
// in the program's answer, so they become "／" and "＃".
std::string StatItemNameText(std::string name);
