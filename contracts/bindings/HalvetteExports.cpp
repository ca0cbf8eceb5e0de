#include "contracts/bindings/HalvetteExports.h"

HalvetteExports& Halvette()
{
    static HalvetteExports exports;
    return Bound(exports);
}
