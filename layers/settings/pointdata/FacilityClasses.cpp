#include "layers/settings/pointdata/FacilityClasses.h"

const std::vector<std::string>& FacilityClassNames()
{
    static const std::vector<std::string> names = {
        "すべて", "国の行政機関", "地方公共団体の行政機関", "公共空地", "供給・処理施設", "教育・文化施設",
        "職業訓練施設等", "医療施設", "社会福祉施設", "通信施設", "流通施設", "集会施設等", "その他"};
    return names;
}
