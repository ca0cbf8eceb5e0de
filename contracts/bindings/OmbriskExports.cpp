#include "contracts/bindings/OmbriskExports.h"

OmbriskExports& Ombrisk()
{
    static OmbriskExports exports;
    return Bound(exports);
}
