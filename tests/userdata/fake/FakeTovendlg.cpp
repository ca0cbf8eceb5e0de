// A stand-in for the dialog library's place-name search: it writes the arguments it receives,
// one line a call, to the file named by VD_FAKE_GNPF_LOG and answers VD_FAKE_GNPF_ANSWER.
#include "contracts/tovendlg.h"

#include <cstdlib>
#include <fstream>


std::string OnGnpfRetrieveSet(int packedDisplay, int fileMode, int fileFormat, int provisionalElevation, int searchKind,
                              int majorClass, int middleClass, int minorClass, int prefectureIndex,
                              std::string governmentCode, std::string containedText, std::string previous)
{
    if (const char* log = std::getenv("VD_FAKE_GNPF_LOG"))
        std::ofstream(log, std::ios::app) << packedDisplay << "," << fileMode << "," << fileFormat << ","
                                          << provisionalElevation << "," << searchKind << "," << majorClass << ","
                                          << middleClass << "," << minorClass << "," << prefectureIndex << ","
                                          << governmentCode << "," << containedText << "," << previous << "\n";
    const char* answer = std::getenv("VD_FAKE_GNPF_ANSWER");
    return answer ? answer : "";
}
