#pragma once
// Pelmora's entry points: one function type per export. Pelmora includes this header, so a
// definition that does not match does not compile; callers hold pointers of these types from
// the library loader.
#include <string>

// Writes the default layer settings files that are missing: selector 1 the point and the
// nature-mesh files, any other selector also `path` (the line file) and the surface file.
using OnDddFileEdit_fn = void(std::string path, std::string folder, int selector);
extern "C" OnDddFileEdit_fn OnDddFileEdit;

// The prefecture selection dialog: a prefecture flag list in, the chosen flags out, "" on
// cancel. Its export comes with the dialog; until then callers find no entry point.
using OnDddAreaSelect_fn = std::string(std::string flags);
