#pragma once
// The place-name and public-facility search: which table the last search read (0 place names,
// 1 public facilities, -1 none yet). The search command writes it; the sheet map draws its hits.
struct PlaceNameSearchState {
    int m_nPlaceNameLayer = -1;
};
