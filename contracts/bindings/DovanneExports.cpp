#include "contracts/bindings/DovanneExports.h"

DovanneExports& Dovanne()
{
    static DovanneExports exports;
    return Bound(exports);
}
