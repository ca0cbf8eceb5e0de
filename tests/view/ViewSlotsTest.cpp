// The list of the view's slots: every slot of every table is on it once, and a view built as the
// program builds it has filled exactly the slots marked filled; each names its piece.
#include "MapViewFixture.h"

#include "view/ViewSlots.h"

#include <map>
#include <set>
#include <string>
#include <utility>

namespace {

using ViewSlotList = viewtest::MapView;

std::string SlotName(const ViewSlot& slot) { return std::string(slot.table) + "." + std::string(slot.name); }

TEST_F(ViewSlotList, ListsEverySlotOfEveryTableOnce)
{
    std::map<std::string_view, int> listed;
    std::set<std::pair<std::string_view, std::string_view>> seen;
    for (const ViewSlot& slot : ViewSlots()) {
        ++listed[slot.table];
        EXPECT_TRUE(seen.insert({slot.table, slot.name}).second) << SlotName(slot) << " is listed twice";
    }
    EXPECT_EQ(listed["ViewRoutines"], SlotTableSize("ViewRoutines")) << "a slot is missing from the list";
    EXPECT_EQ(listed.size(), 1u);
}

TEST_F(ViewSlotList, TheBuiltViewHasFilledExactlyTheSlotsMarkedFilled)
{
    for (const ViewSlot& slot : ViewSlots()) {
        EXPECT_FALSE(slot.piece.empty()) << SlotName(slot) << " names no piece";
        if (slot.state == SlotState::Filled)
            EXPECT_TRUE(slot.isSet(*view))
                << SlotName(slot) << " is marked filled by " << slot.piece << " but is empty";
        else
            EXPECT_FALSE(slot.isSet(*view))
                << SlotName(slot) << " is filled now: mark it filled (" << slot.piece << ")";
    }
}

} // namespace
