#pragma once
// The main window's activation changes as the map view hears them (see ViewActivation.cpp).
class CVeldoranView;

// One activation change: first the erase after a library dialog, when its flag is set, then
// the view's activation handling.
void OnViewWindowActivation(CVeldoranView& view, bool active);
