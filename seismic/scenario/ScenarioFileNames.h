#pragma once
// What the name of a scenario hazard data file says: its form (subduction "S_K", list "_SLIST-"),
// and the names of its fault files ("-MAP-" becomes "-FAULT-"; numbered fault files "_F1",
// "_F2", ... for names holding "S_"). Only the file name is looked at, never its folders, so a
// folder named like a form does not change how the file is read.
#include <optional>
#include <string>
#include <string_view>

namespace seismic {

// The file name of a Windows or Linux path (after its last "\" or "/").
std::string_view ScenarioFileName(std::string_view path);

bool IsSubductionScenario(std::string_view dataPath);
bool IsListScenario(std::string_view dataPath);
// Whether the file may have numbered fault files.
bool HasNumberedFaultFiles(std::string_view path);

// The fault file of a data file, upper-cased: X-MAP-A.CSV has X-FAULT-A.CSV. Nothing for a file
// name without "-MAP-".
std::optional<std::string> FaultPlanePath(std::string_view dataPath);

// The first numbered fault file: "_F1" before the first "." of the file name.
std::string FirstNumberedFaultPath(std::string_view faultPath);

// The numbered fault file after this one: the number after "_F" just before the first "." of the
// file name counted up whole (_F19 is followed by _F20). Nothing when the name has no such number.
std::optional<std::string> NextNumberedFaultPath(std::string_view numberedPath);

} // namespace seismic
