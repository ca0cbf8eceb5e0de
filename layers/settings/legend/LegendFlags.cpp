#include "layers/settings/legend/LegendFlags.h"

#include "layers/settings/BarDelimitedSettings.h"

LegendFlags ParseLegendFlags(std::string_view text)
{
    BarDelimitedReader reader(text);
    LegendFlags flags;
    for (int i = 0; i < 30; ++i)
        flags.line[i] = reader.nextInt();
    for (int& f : flags.surface)
        f = reader.nextInt();
    for (int& f : flags.point)
        f = reader.nextInt();
    for (int i = 30; i < 35; ++i)
        flags.line[i] = reader.nextInt();
    flags.year = reader.nextInt();
    return flags;
}
