#include "contracts/bindings/PelmoraExports.h"

PelmoraExports& Pelmora()
{
    static PelmoraExports exports;
    return Bound(exports);
}
