#pragma once
// Print setup: Qt's page setup dialog on the run's one printer, which printing uses too.
namespace shell {

void RunPrintSetup();

} // namespace shell
