#include "contracts/bindings/SurrickExports.h"

SurrickExports& Surrick()
{
    static SurrickExports exports;
    return Bound(exports);
}
