#include "layers/settings/pointdata/PointLayerSlots.h"

#include <algorithm>

void ApplyPointOkRules(PointLayerSlots& slots)
{
    // 文化財, 水系域流路延長, ダム, 潮汐・海洋施設, 海岸施設・感潮限界, 発電所, 感潮限界, 空港台帳.
    for (int slot : {1, 2, 3, 4, 5, 9, 20, 23})
        slots.p[slot] = 0;
    slots.flag[kUnusedPointSlot] = 0;
    slots.colour[kUnusedPointSlot] = 0;
    slots.n[kUnusedPointSlot] = 0;
    slots.p[kUnusedPointSlot] = 0;
}

int PackColumnRange(int from, int to)
{
    return std::clamp(from, 0, 9999) * 10000 + std::clamp(to, 0, 9999);
}
