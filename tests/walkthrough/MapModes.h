#pragma once
// The map modes the walk visits and the user's way to each from the start map: buttons clicked by
// caption, menu-bar commands chosen with the dialog answered as given, keys pressed.
#include "DialogAnswers.h"

#include <functional>
#include <string>
#include <vector>

namespace vd {
class DialogDriver;
}

namespace walk {

class WalkRun;

struct ReachStep {
    enum class Kind { Button, Menu, Key, Drag } kind;
    std::string caption; // Button: its caption
    int id = 0;          // Menu: the command; Key: the accelerator's command
    Answer answer = Answer::SampleRows;
    // A dialog the step opens, answered by these actions, then OK.
    std::string dialogModule;
    int dialogId = 0;
    std::function<void(vd::DialogDriver&)> dialogActions;
};

struct MapMode {
    std::string name;
    std::vector<ReachStep> way;
    // Work still to land without which the way leads nowhere yet: the mode is then skipped.
    std::string needs;
};

const std::vector<MapMode>& MapModes();

// Follows the way from the start map; false (with a fault recorded) when a step cannot be done.
bool reach(WalkRun& run, const MapMode& mode);

} // namespace walk
