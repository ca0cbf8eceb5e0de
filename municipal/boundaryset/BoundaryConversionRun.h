#pragma once
// One conversion as both entry points run it: the Yes/No question, then (on Yes) the wait
// cursor, the progress panel in the lent context and the closing message.
#include "municipal/conversion/SourceTheme.h"

#include <string>

namespace vd {
class Dc;
}

// Asks `question`; on Yes converts the theme's files of `folder`. True when it converted.
bool AskAndConvert(vd::Dc* dc, const std::string& folder, municipal::SourceTheme theme, const std::string& question);
