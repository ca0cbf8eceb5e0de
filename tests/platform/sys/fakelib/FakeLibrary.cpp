// A stand-in for one of the run-time libraries: tells which copy was loaded.
#include <unistd.h>

extern "C" const char* vdFakeOrigin()
{
    return VD_FAKE_ORIGIN;
}

extern "C" int vdFakeAdd(int a, int b)
{
    return a + b;
}

// Makes the C library a dependency, whose names dlsym would also search.
extern "C" int vdFakeProcessId()
{
    return static_cast<int>(getpid());
}
