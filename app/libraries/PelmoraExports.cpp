#include "app/libraries/PelmoraExports.h"

PelmoraExports& Pelmora()
{
    static PelmoraExports exports;
    return Bound(exports);
}
