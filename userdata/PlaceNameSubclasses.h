#pragma once
// The sub-classes of each (major, middle) place-name class pair as the colour dialog lists them,
// and the colour row of a pair in the class colour table.
#include <array>
#include <string>

inline constexpr int kSubclassEntries = 55;

// Entries [1].. in list order, each with its code in front ("7 滝"); [0] and the rest empty.
std::array<std::string, kSubclassEntries> PlaceNameSubclasses(int majorClass, int middleClass);

// Majors 0-4: middle + 1; major 5 (public part 1): 3, then 11-15; major 6: 16-18.
int PlaceNameColourRow(int majorClass, int middleClass);
