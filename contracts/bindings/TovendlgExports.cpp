#include "contracts/bindings/TovendlgExports.h"

TovendlgExports& Tovendlg()
{
    static TovendlgExports exports;
    return Bound(exports);
}
