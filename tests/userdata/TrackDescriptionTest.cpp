// What the track dialog reads of each logger's track file, and the sheet the document finds for
// its start through Dovanne.
#include "TrackFixtures.h"
#include "UserDataTestSupport.h"

#include "userdata/TrackDescription.h"

#include <gtest/gtest.h>

namespace {

using namespace userdatatest;

// Every fixture lies in a folder whose name holds "log": only the file name tells the kind.
Fixture WriteTrack(const std::string& name, const std::string& bytes)
{
    Fixture fixture{doctest::Home() / "gpslog" / name, vd::applicationFolder() + "gpslog\\" + name};
    doctest::WriteBytes(fixture.file, bytes);
    return fixture;
}

struct Described {
    std::string kind, format, title, datum, date, startPoint;
    bool operator==(const Described&) const = default;
};

Described Fields(const TrackDescription& d) { return {d.kind, d.format, d.title, d.datum, d.date, d.startPoint}; }

void PrintTo(const Described& d, std::ostream* out)
{
    *out << d.kind << "|" << d.format << "|" << d.title << "|" << d.datum << "|" << d.date << "|" << d.startPoint;
}

struct DescribedCase {
    std::string name;
    std::string bytes;
    Described expected;
};

std::vector<DescribedCase> KindsAndUnits()
{
    using namespace trackfixture;
    const std::string date = "10-DEC-26 09:00:00";
    return {
        {"walk.trk", Cp932Lines(TrkDm()), {"trk", "DMM", " 皇居から上野", "WGS", date, "N3540.87 E13946.01"}},
        {"walk_dms.trk", Cp932Lines(TrkDms()), {"trk", "DMS", " 皇居から上野", "WGS", date, "N354052.0 E1394601.0"}},
        {"walk_deg.trk", Cp932Lines(TrkDeg()), {"trk", "DEG", " 皇居から上野", "WGS", date, "N35.6811 E139.7670"}},
        {"walk.pot", Cp932Lines(Pot()), {"pot", "D'M'S", "POTﾄﾗｯｸ3", "WGS-84", "10-DEC-26", "35,40,52,139,46,01"}},
        {"walk.rot", Cp932Lines(Rot()), {"rot", "MapFan(ROT)", "ルート3", "", "", "N35.40.52.0 E139.46.01.0"}},
        {"walk256.rot", Cp932Lines(RotSixteenths()), {"rot", "MapFan(ROT)", "ルート3", "", "", "32883712,128809216"}},
        {"walk.log",
         Cp932Lines(Log()),
         {"log", "AtlasRD", "ログ3", "Tokyo", "26/12/10 09:00:00", "N35:40:52.0 E139:46:01.0"}},
    };
}

TEST(TrackDescription, EachKindAndUnit)
{
    for (const DescribedCase& c : KindsAndUnits()) {
        const auto d = DescribeTrack(WriteTrack(c.name, c.bytes).winPath, 2);
        ASSERT_TRUE(d) << c.name;
        EXPECT_EQ(Fields(*d), c.expected) << c.name;
    }
}

TEST(TrackDescription, KindFromTheFileNameTheLaterWordWinning)
{
    EXPECT_EQ(TrackKindOfPath("z:\\gpslog\\walk.trk"), "trk");
    EXPECT_EQ(TrackKindOfPath("z:\\trk\\walk.txt"), "");
    EXPECT_EQ(TrackKindOfPath("z:\\a\\pot.log"), "log");
    EXPECT_EQ(TrackKindOfPath("z:\\a\\trk.pot"), "pot");
    EXPECT_EQ(TrackKindOfPath("walk.rot"), "rot");
    // A MapFan route in a "gpslog" folder stays a route, even in upper case.
    const auto d = DescribeTrack(WriteTrack("WALK.ROT", Cp932Lines(trackfixture::Rot())).winPath, 0);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->kind, "rot");
    EXPECT_EQ(d->title, "ルート1");
}

TEST(TrackDescription, DamagedAndMissingFiles)
{
    using namespace trackfixture;
    struct Case {
        std::string name, bytes;
        Described expected;
    };
    std::vector<std::string> headerOnly = PcxHeader("DM");
    const std::vector<Case> cases = {
        {"empty.trk", "", {"trk", "", "トラック1", "", "", ""}},
        {"header.trk", Cp932Lines(headerOnly), {"trk", "DMM", " 皇居から上野", "WGS", "", ""}},
        // A point line cut after its latitude: no "E", no point.
        {"cut.trk", Cp932Lines(WithPoints(headerOnly, {"T  N35"})), {"trk", "DMM", " 皇居から上野", "WGS", "35", ""}},
        {"short.pot", "DAT=TOKYO\r\nORD=POI,1\r\n", {"pot", "D'M'S", "POTﾄﾗｯｸ1", "Tokyo_mean", "", ","}},
        {"short.log", "26/12/10\r\n", {"log", "AtlasRD", "ログ1", "Tokyo", "26/12/10", ""}},
        {"comments.rot", "; only\r\n144\r\n", {"rot", "MapFan(ROT)", "ルート1", "", "", ""}},
        {"binary.trk",
         std::string("\x00\x81\xff\x1b\x80\x9f", 6) + "\r\nH \x81\r\n",
         {"trk", "", "\xef\xbf\xbd", "", "", ""}},
    };
    for (const Case& c : cases) {
        const auto d = DescribeTrack(WriteTrack(c.name, c.bytes).winPath, 0);
        ASSERT_TRUE(d) << c.name;
        EXPECT_EQ(Fields(*d), c.expected) << c.name;
    }
    EXPECT_FALSE(DescribeTrack(vd::applicationFolder() + "gpslog\\gone.trk", 0));
    EXPECT_FALSE(DescribeTrack("", 0));
}

TEST(TrackDescription, StartCornerThroughDovanne)
{
    auto doc = MakeDocument();
    for (const DescribedCase& c : KindsAndUnits()) {
        const auto d = DescribeTrack(WriteTrack(c.name, c.bytes).winPath, 0);
        ASSERT_TRUE(d);
        doc->tracks.m_strTrackStartPoint = d->startPoint;
        doc->m_strTrackFormat = d->format;
        doc->DescribeTrackFile();
        EXPECT_EQ(doc->tracks.m_astrWork50A[0], "35.2000") << c.name;
        EXPECT_EQ(doc->tracks.m_astrWork50A[1], "139.0000") << c.name;
    }
    struct Case {
        std::string start, format, point, formatAfter, latitude, longitude;
    };
    const std::vector<Case> cases = {
        {"35,40,12,139,45,30", "D'M'S", "N354012.0 E1394530.0", "DMS", "35.2000", "139.0000"},
        {"N354122.0 E1394611.0", "DMS", "N354122.0 E1394611.0", "DMS", "35.2000", "139.0000"},
        {"N35:41:22.0 E139:46:11.0", "AtlasRD", "N35:41:22.0 E139:46:11.0", "log", "35.2000", "139.0000"},
        // Unreadable numbers and a word the library does not take: no sheet.
        {",", "D'M'S", "N,.0 E.0", "DMS", "", ""},
        {"N35:41:22.0 E139:46:11.0", "GARMIN", "N35:41:22.0 E139:46:11.0", "GARMIN", "", ""},
        // Nothing to describe: the corners are emptied and the library not asked.
        {"", "D'M'S", "", "D'M'S", "", ""},
    };
    for (const Case& c : cases) {
        doc->tracks.m_astrWork50A[0] = doc->tracks.m_astrWork50A[1] = "old";
        doc->tracks.m_strTrackStartPoint = c.start;
        doc->m_strTrackFormat = c.format;
        doc->DescribeTrackFile();
        EXPECT_EQ(doc->tracks.m_strTrackStartPoint, c.point) << c.start;
        EXPECT_EQ(doc->m_strTrackFormat, c.formatAfter) << c.start;
        EXPECT_EQ(doc->tracks.m_astrWork50A[0], c.latitude) << c.start;
        EXPECT_EQ(doc->tracks.m_astrWork50A[1], c.longitude) << c.start;
    }
}

} // namespace
