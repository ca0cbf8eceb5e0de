// Surrick's datum export: one Tokyo-datum point typed as D.MMSS texts converted to JGD2000.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/datum/DatumConverter.h"
#include "platform/text/Numbers.h"
#include "platform/ui/TemplateRegistry.h"

// The longitude comes first, the answer gives the latitude first.
extern "C" std::string OnTkyItrf(std::string longitude, std::string latitude)
{
    try {
        vd::ui::ModuleScope module(kSurrickModule);
        const std::string unchanged = latitude + "/" + longitude;
        // North of 46 degrees 40 minutes the datum shift is not applied at all.
        if (vd::parseDouble(latitude) * 10000 > 464000)
            return unchanged;
        CDatumConverter converter;
        // A point outside Japan has been reported; its texts come back as typed rather than as
        // the conversion of a stand-in value that would read like a coordinate.
        const auto converted = converter.ConvertTexts(latitude, longitude, 4);
        if (!converted)
            return unchanged;
        return converted->latitude + "/" + converted->longitude;
    } catch (...) {
        return {};
    }
}
