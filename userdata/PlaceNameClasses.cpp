#include "userdata/PlaceNameClasses.h"

std::array<std::int16_t, 20 * 55> PlaceNameClasses::UnsetClassColours()
{
    std::array<std::int16_t, 20 * 55> colours;
    colours.fill(-1);
    return colours;
}
