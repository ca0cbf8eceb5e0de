#include "app/libraries/SurrickExports.h"

SurrickExports& Surrick()
{
    static SurrickExports exports;
    return Bound(exports);
}
