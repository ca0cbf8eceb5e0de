#include "view/placenames/SearchResultLines.h"

#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"

namespace {

constexpr int kYmdReadingBytes = 12;

std::string YmdLine(std::string_view name, double latitudeDms, double longitudeDms, int elevation,
                    std::string_view reading)
{
    return vd::format("%-30s%2.4f   %3.4f  %-10d%-13sd", name, latitudeDms * 0.0001, longitudeDms * 0.0001, elevation,
                      reading);
}

} // namespace

std::string SearchResultEntry(std::string_view name, double latitudeDms, double longitudeDms)
{
    return std::string(name) + vd::format(" %2.4f %3.4f ", latitudeDms * 0.0001, longitudeDms * 0.0001);
}

std::string AnnotationResultLine(const AnnotationRecord& r, const std::string& halfWidthReading, int form)
{
    if (form == kResultFormCsv)
        return vd::format("%d,%s,%d,%d,%d,%d,%d,%d,%s,%s,%s", r.code, r.text, r.number3, r.municipality, r.number5,
                          r.major, r.middle, r.minor, r.name, r.reading, r.rest);
    if (form == kResultFormYmd)
        return YmdLine(r.name, r.latitudeDms, r.longitudeDms, 0, vd::cp932Left(halfWidthReading, kYmdReadingBytes));
    return SearchResultEntry(r.name, r.latitudeDms, r.longitudeDms) + "-999 " + halfWidthReading +
           vd::format(" 地 %d %d %d", r.major, r.middle, r.minor);
}

std::string FacilityResultLine(const FacilityRecord& r, int form)
{
    if (form == kResultFormCsv)
        return vd::format("%d,%d,%d,%d,%s,%s,%d,%.2f,%.2f%s", r.number1, r.municipality, r.facilityClass, r.subClass,
                          r.name, r.text, r.code, r.longitudeDms, r.latitudeDms, r.rest);
    if (form == kResultFormYmd)
        return YmdLine(r.name, r.latitudeDms, r.longitudeDms, -999, " ");
    return SearchResultEntry(r.name, r.latitudeDms, r.longitudeDms) +
           vd::format("-999 地 %d %d", r.facilityClass, r.subClass);
}
