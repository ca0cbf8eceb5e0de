#pragma once
// Every slot of the view's slot tables, whether it is filled yet and which piece fills it. An
// empty slot does nothing (its map mode draws nothing, its button or mouse action is inert), so
// this list is where a reader finds what is still waiting and for which piece; a test checks it
// against a built view, and that every slot of every table is on it. A piece that lands connects
// its slots (view/PieceConnections.h) and marks them filled here.
#include <string_view>
#include <vector>

class CVeldoranView;

enum class SlotState { Filled, Pending };

struct ViewSlot {
    std::string_view table; // ViewRoutines
    std::string_view name;
    SlotState state;
    std::string_view piece; // the piece that fills it, or will
    bool (*isSet)(const CVeldoranView& view);
};

const std::vector<ViewSlot>& ViewSlots();

// The number of slots a table holds: each of its members is one.
int SlotTableSize(std::string_view table);
