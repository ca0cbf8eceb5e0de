#pragma once
// The application object of the single-document program: last on the command route; its new-file
// command builds the document, then the frame (whose creation builds the view), then runs the
// new-document step and the view's initial update and shows the frame. The document lives for
// the run.
#include "platform/ui/CommandTarget.h"

#include <functional>
#include <memory>

namespace vd {

class Document;
class FrameWindow;
class View;

struct SingleDocTemplate {
    int resourceId = 0;
    std::function<std::unique_ptr<Document>()> makeDocument;
    std::function<std::unique_ptr<FrameWindow>()> makeFrame;
    std::function<std::unique_ptr<View>()> makeView;
};

class Application : public CommandTarget {
public:
    Application();
    ~Application() override;
    // The one application object (null before it is built).
    static Application* current();

    virtual bool InitInstance();
    void AddDocTemplate(SingleDocTemplate docTemplate);
    // The new-file command of a single-document program.
    bool OnFileNew();
    // Runs the event loop until the main frame is closed, then releases the frame (and its view)
    // and the document, in that order. Returns the exit code.
    int Run();
    // Closes the main frame and the document (also what Run does when the loop ends).
    void Shutdown();

    FrameWindow* m_pMainWnd = nullptr;
    Document* document() const { return document_.get(); }

private:
    SingleDocTemplate template_;
    std::unique_ptr<Document> document_;
    std::unique_ptr<FrameWindow> frame_;
};

} // namespace vd
