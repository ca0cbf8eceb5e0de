#pragma once
// A text, picture or album registered at a clicked point, and a point moved or edited in update
// mode: the view's side of the registration dialogs and the document's update flows. A new
// point's line is appended to the current data file and to the drawn items, and its symbol and
// label are drawn at the click. The view owns one (m_pRegistration), which its mouse calls.
#include <string>

class CVeldoranView;
class CVeldoranDoc;
namespace vd {
class Dc;
}

// The label styles of a registration: the symbol's colour scheme.
enum RegistrationStyle { kRegisteredText = 4, kRegisteredPicture = 6, kRegisteredAlbum = 8 };

class PointRegistration {
public:
    explicit PointRegistration(CVeldoranView& view);

    // Click mode 1: the registration dialog (137) at the click; click mode 4: an album.
    void RegisterTextPicture(const std::string& longitude, const std::string& latitude, int x, int y);
    void RegisterAlbumAtPoint(const std::string& longitude, const std::string& latitude, int x, int y);
    // Click mode 2: the hovered point's update (a guide map's or a detailed map's), or the
    // hovered album's; the answers are the document's state words.
    std::string UpdatePoint(const std::string& longitude, const std::string& latitude);
    std::string UpdateHoveredAlbum(const std::string& longitude, const std::string& latitude);

    // The symbol of a label style (4, 6, 8: shape 4; else by the name's place-name kind) and the
    // label by the document's label mode: 1 the name, 2 the item text (or the height "%dm"),
    // 3 the name and below it the item text (or "(%dm)").
    void DrawRegisteredSymbolLabel(vd::Dc& dc, int labelStyle, const std::string& name, const std::string& itemText,
                                   int x, int y, int elevation = -999);

private:
    CVeldoranView& m_view;
    CVeldoranDoc& m_doc;

    // Appends the record to the data file and, drawn at (x, y), to the shown items; a file that
    // cannot be written is reported and nothing is drawn.
    bool AppendAndDraw(const std::string& record, int labelStyle, const std::string& name, const std::string& item,
                       int x, int y);
};
