#pragma once
// Print setup: Qt's page setup dialog on the application's printer, whose settings the run keeps.
namespace shell {

void RunPrintSetup();

} // namespace shell
