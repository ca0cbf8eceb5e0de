#include "app/libraries/OmbriskExports.h"

OmbriskExports& Ombrisk()
{
    static OmbriskExports exports;
    return Bound(exports);
}
