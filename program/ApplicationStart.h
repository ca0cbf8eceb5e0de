#pragma once
// The program's start-up, event loop and shut-down; returns the process's exit code.
int runApplication(int argc, char** argv);
