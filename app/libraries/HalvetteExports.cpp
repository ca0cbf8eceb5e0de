#include "app/libraries/HalvetteExports.h"

HalvetteExports& Halvette()
{
    static HalvetteExports exports;
    return Bound(exports);
}
