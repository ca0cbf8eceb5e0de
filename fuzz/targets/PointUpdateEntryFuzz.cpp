// The update of registered points: the bytes become the point data file, which the update flow
// reads into the list of dialog 132 (entry texts built from each record and parsed back into the
// dialog's fields), and whose line holding the first record's file and name is deleted through
// the safe rewrite.
#include "app/registration/PointRecordText.h"
#include "fuzz/support/FuzzDocument.h"
#include "fuzz/support/FuzzScratch.h"
#include "userdata/RecordLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CVeldoranDoc& doc = vd::fuzz::document();
    const std::string dataFile = vd::fuzz::writeApplicationFile("Fuzz/history.dat", data, size);
    doc.LoadRecordList(dataFile, "first");
    std::string key, name;
    for (std::size_t i = 0; i < 64 && doc.m_astrPointRecord[i] != kListEnd; ++i) {
        const UpdateListEntry entry = UpdateListEntryOf(doc.m_astrPointRecord[i]);
        const PointEntryFields fields = ParseUpdateListEntry(entry.text);
        WithoutFieldBlanks(fields.name);
        if (i == 0) {
            key = fields.textFile.empty() ? fields.pictureFile : fields.textFile;
            name = fields.name;
        }
    }
    RemoveKeyLine(dataFile, key, name);
    return 0;
}
