#include "app/settings/KeywordSettings.h"

#include "platform/sys/ProfileStore.h"
#include "platform/text/Format.h"

void WriteKeywordSettings(const KeywordSettings& settings)
{
    vd::ProfileStore profile;
    for (int k = 0; k < 3; ++k)
        profile.writeString("System", vd::format("Key%d", k + 1), settings.keys[k]);
    for (int c = 0; c < 4; ++c)
        profile.writeString("System", vd::format("Ctgry%d", c), settings.categories[c]);
    for (int n = 0; n < 6; ++n)
        profile.writeInt("System", vd::format("KeyCount%d", n + 1), settings.counts[n]);
}
