// The GPS tracks over the sheet maps: the current track, or each chosen track of the track list,
// through Dovanne's OnTrackDrawModule (bound once by its binding; a missing one draws nothing).
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/dovanne.h"
#include "platform/sys/ProfileStore.h"
#include "platform/text/StringOps.h"
#include "userdata/TrackDescription.h"

namespace {

constexpr std::size_t kChosenTracks = 65;

// The kind word of a track file's name, tested in this order so that a later match wins.
std::string TrackKindOfName(const std::string& lowerCasePath)
{
    return LastWordOfFileName(lowerCasePath, {"pot", "trk", "rot", "log"});
}

int FormatCode(const std::string& format)
{
    if (format == "DEG")
        return 1;
    if (format == "DMM")
        return 2;
    if (format == "MapFan(ROT)" || format == "ROT")
        return 4;
    if (format == "log")
        return 5;
    return 0; // "DMS" and any word the drawing does not know
}

} // namespace

void CMapRenderer::DrawTracks()
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& state = *m_pDraw;
    if (doc.tracks.m_strTrackFile.empty())
        return;
    if (doc.tracks.m_bTrackList == 0) {
        DrawTrackFile(doc.tracks.m_strTrackFile, -1);
        return;
    }
    const vd::ProfileStore profile;
    for (std::size_t position = 0; position < kChosenTracks && doc.tracks.m_anTrackSelected[position] != -1;
         ++position) {
        const int entry = doc.tracks.m_anTrackSelected[position];
        const std::string file = vd::toLowerAscii(profile.getString("TrackList", "Track" + std::to_string(entry + 1)));
        if (std::string kind = TrackKindOfName(file); !kind.empty())
            state.m_strTrackKind = kind;
        DrawTrackFile(file, int(position));
    }
}

void CMapRenderer::DrawTrackFile(std::string file, int position)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& state = *m_pDraw;
    auto* draw = Dovanne().OnTrackDrawModule.fn;

    std::string title = doc.tracks.m_astrTrackHistory[position > 0 ? std::size_t(position) : 0];
    if (title.empty())
        title = "ﾄﾗｯｸ" + std::to_string(position + 1);

    const bool sheet = doc.position.m_nMapFrame == 1;
    const auto& entry = state.m_astrMapEntry;
    const int west = CVeldoranDoc::DmsToSeconds(sheet ? entry[3] : state.m_strFrameWest);
    const int north = CVeldoranDoc::DmsToSeconds(sheet ? entry[4] : state.m_strFrameNorth);
    const int east = CVeldoranDoc::DmsToSeconds(sheet ? entry[5] : state.m_strFrameEast);
    const int south = CVeldoranDoc::DmsToSeconds(sheet ? entry[2] : state.m_strFrameSouth);

    // Pixels per arc-second of a first-level mesh drawn 320 pixels wide at zoom 1.
    const float zoomX = state.m_fWhiteZoomX * 0.08888889f;
    const float zoomY = state.m_fWhiteZoomY * 0.13333334f;
    auto* unitLength = Dovanne().OnUnitLength.fn;
    const float metresX = unitLength ? float(unitLength("ew", state.m_strFrameSouth)) : 0.f;
    const float metresY = unitLength ? float(unitLength("ns", state.m_strFrameSouth)) : 0.f;

    int longitudeColumn = 0;
    int decimalColumn = 0;
    if (state.m_strTrackKind == "trk") {
        doc.ReadTrackHeader(state, file);
        longitudeColumn = state.m_nPointX;
        decimalColumn = state.m_nPointY;
    }
    if (!draw)
        return;
    draw(m_pDC, file, 1, FormatCode(state.m_strTrackFormat), position, longitudeColumn, decimalColumn, west, north,
         east, south, m_settings.mapFigure, 10, doc.tracks.m_bTrackScaleShown, doc.tracks.m_bTrackList,
         state.m_strTrackKind, title, zoomX, zoomY, metresX, metresY, float(doc.tracks.m_nTrackScaleKm),
         float(m_nOriginX), float(m_nOriginY));
}
