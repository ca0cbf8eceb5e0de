#pragma once
// Connects the overview pieces of the renderer (frame, Japan overview, point symbols and labels)
// to the sheet maps' hooks and to the view's button commands.
class CVeldoranView;

void ConnectOverviewPieces(CVeldoranView& view);
