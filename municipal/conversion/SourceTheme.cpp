#include "municipal/conversion/SourceTheme.h"

namespace municipal {

const SourceColumns& ColumnsOf(SourceTheme theme)
{
    static constexpr SourceColumns kAdministrativeArea{"n03", "CityPlgn", "Pg", 'A', 35, 45, "DA", 46, 20000,
                                                       BoundaryFileKind::Municipality};
    static constexpr SourceColumns kCoastline{"c23", "CoastC23", "Ln", 'S', 37, 47, "DS", 45, 50000,
                                              BoundaryFileKind::Coastline};
    return theme == SourceTheme::AdministrativeArea ? kAdministrativeArea : kCoastline;
}

} // namespace municipal
