#pragma once
// The view of the single-document program: a window inside the frame with its own back buffer,
// a command target (first on the command route), and the mouse, key, size and repaint hooks.
#include "platform/ui/CommandTarget.h"
#include "platform/ui/Window.h"

#include <cstdint>
#include <memory>

namespace vd {

class Document;
class FrameWindow;
class PrinterDc;
class ScrollBar;

// Mouse key flags of the hooks.
inline constexpr unsigned MK_LBUTTON = 0x1;
inline constexpr unsigned MK_RBUTTON = 0x2;
inline constexpr unsigned MK_SHIFT = 0x4;
inline constexpr unsigned MK_CONTROL = 0x8;

class View : public Window, public CommandTarget {
public:
    View();
    ~View() override;

    // Creates the view's window as the frame's client.
    bool Create(FrameWindow& frame);
    Document* GetDocument() const { return document_; }
    void setDocument(Document* document) { document_ = document; }
    FrameWindow* GetParentFrame() const { return frame_; }

    virtual void OnInitialUpdate();
    // Base: invalidates the whole view.
    virtual void OnUpdate(View* sender, std::intptr_t hint);
    // The repaint: draws into the view's back buffer, which the screen then shows. Runs when the
    // view was invalidated.
    virtual void OnDraw(Dc& dc);
    virtual void OnSize(int cx, int cy);
    virtual void OnLButtonDown(unsigned flags, ui::Point point);
    virtual void OnLButtonUp(unsigned flags, ui::Point point);
    virtual void OnLButtonDblClk(unsigned flags, ui::Point point);
    virtual void OnRButtonDown(unsigned flags, ui::Point point);
    virtual void OnRButtonUp(unsigned flags, ui::Point point);
    virtual void OnMouseMove(unsigned flags, ui::Point point);
    virtual void OnKeyDown(int virtualKey, int repeat, unsigned flags);
    // A scroll bar created on the view.
    virtual void OnVScroll(int code, int pos, ScrollBar* bar);
    // The window holding the view became active (true) or inactive (false).
    virtual void OnActivateWindow(bool active);

    // Printing (platform/ui/ViewPrinting.cpp). The framework's print command: OnPreparePrinting
    // (the print dialog; false ends everything), OnBeginPrinting, one document of one page drawn
    // by OnPrint, OnEndPrinting; a failed job is reported after OnEndPrinting. The preview:
    // OnBeginPrinting, the pages drawn whenever the preview asks, OnEndPrinting when it closes.
    void OnFilePrint();
    void OnFilePrintPreview();
    // Base: DoPreparePrinting.
    virtual bool OnPreparePrinting();
    // The print dialog; false when cancelled or nothing can be printed.
    bool DoPreparePrinting();
    virtual void OnBeginPrinting();
    // Base: OnDraw into the printer.
    virtual void OnPrint(Dc& printer);
    virtual void OnEndPrinting();

private:
    // The document into a printer: false when the job failed.
    bool PrintDocument(PrinterDc& printer);
    std::shared_ptr<PrinterDc> printer_; // from the print dialog until the job starts

    Document* document_ = nullptr;
    FrameWindow* frame_ = nullptr;
};

} // namespace vd
