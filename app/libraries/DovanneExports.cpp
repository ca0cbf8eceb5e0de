#include "app/libraries/DovanneExports.h"

DovanneExports& Dovanne()
{
    static DovanneExports exports;
    return Bound(exports);
}
