#pragma once
// The bundled sample layers' settings rows (KSJ\SAMPLE.DAT in the application folder): lines of
// "<settings file> <key>=<value>", whose "@:" stands for the application folder. Installing them
// into a newly written settings file makes the sample rows stand ready in the layer dialogs.
#include <string>

// Writes the sample lines meant for `settingsFile` (a name such as "DddMFile.dat", matched in any
// case) into appDir + settingsFile: a line of the same key is replaced, others are kept, a new key
// is appended. Without SAMPLE.DAT, or when the settings file cannot be read, nothing changes;
// with `createMissing` a missing settings file is created holding the sample lines alone (for the
// files that the program does not write at start).
void InstallSampleLayerRows(const std::string& appDir, const std::string& settingsFile, bool createMissing = false);
