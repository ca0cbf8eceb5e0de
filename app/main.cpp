// The program's entry; the start-up itself is in ApplicationStart.cpp.
#include "app/ApplicationStart.h"

int main(int argc, char** argv)
{
    return runApplication(argc, argv);
}
