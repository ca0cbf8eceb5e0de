#include "app/libraries/TovendlgExports.h"

TovendlgExports& Tovendlg()
{
    static TovendlgExports exports;
    return Bound(exports);
}
