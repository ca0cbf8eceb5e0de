// The program's entry; the start-up itself is in ApplicationStart.cpp.
#include "program/ApplicationStart.h"

int main(int argc, char** argv)
{
    return runApplication(argc, argv);
}
