#pragma once
// The application object of the program: its start builds the one document, then the main frame
// (whose creation builds the view) from resource 128; it takes the about box, the new-file and
// open-file commands and print setup.
#include "platform/ui/Application.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>

class CVeldoranApp : public vd::Application {
public:
    CVeldoranApp();

    // Registers the program's resources and the single-document template, then runs the
    // new-file command. False when the frame could not be built: the program then ends.
    bool InitInstance() override;

    void OnAppAbout();

    // The view the frame is built with: the map view of the document; tests may hand in a view
    // of their own.
    std::function<std::unique_ptr<vd::View>()> m_fnMakeView;

private:
    // The document has no file: a new file starts it again, an open file loads nothing.
    void OnFileNewCommand();
    void OnFileOpen();
};
