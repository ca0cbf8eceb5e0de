#pragma once
// The picture file dialog: the open-file dialog with the child panel 101 that previews the
// selected picture (.bmp or .jpg) and shows its size in pixels, its colours, its file size and
// its file time. The picture kind chooses which filter the list starts with.
#include "platform/dc/Bitmap.h"
#include "platform/ui/FileDialog.h"

#include <string>

namespace vd {
class Dc;
}

class CDlgPrevw : public vd::FileDialog {
public:
    enum { IDD = 101 };
    CDlgPrevw();

    // 0 .bmp first, 1 .jpg first, 2 all files first.
    int m_nPictureKind = 0;
    // The path of the last selection change (Windows form).
    std::string m_strSelectedPath;

    // Runs the dialog with the panel and the filter list of the picture kind: IDOK or IDCANCEL.
    int DoModal();
    bool OnInitDialog() override;
    void OnFileNameChange() override;
    void OnFolderChange() override;

    bool hasPreview() const { return !m_bmpPreview.IsNull(); }

private:
    void DeletePreview();
    void RedrawPanel();
    void PaintPreview(vd::Dc& dc, const vd::Rect& client);

    vd::Bitmap m_bmpPreview;
    int m_nWidth = 0;
    int m_nHeight = 0;
};

// The filter list of a picture kind (0, 1 or 2; others as 0), in the old platform's form.
const char* PictureFileFilter(int pictureKind);
