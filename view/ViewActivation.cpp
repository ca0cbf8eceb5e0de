// What the old platform told the view through activation and background-erase messages, raised
// where Qt has the matching events: the main window's activation changes reach the view's widget
// (Qt forwards them to its children), and a library dialog of a document command opening or
// closing over the view is such a change while the document's layer-dialog flag is set.
#include "view/ViewActivation.h"

#include "app/VeldoranDoc.h"
#include "platform/ui/WindowImpl.h"
#include "view/VeldoranView.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace {

class ActivationFilter : public QObject {
public:
    ActivationFilter(CVeldoranView& view, QObject* parent) : QObject(parent), view_(view) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate)
            OnViewWindowActivation(view_, true);
        else if (event->type() == QEvent::WindowDeactivate)
            OnViewWindowActivation(view_, false);
        return false;
    }

private:
    CVeldoranView& view_;
};

} // namespace

void OnViewWindowActivation(CVeldoranView& view, bool active)
{
    CVeldoranDoc& doc = *view.GetDocument();
    if (doc.m_bLayerDialogOpen == 1) {
        // The dialog uncovers (or covers) the view: the erase that then ran puts the saved mode back.
        doc.m_bLayerDialogOpen = 0;
        doc.m_nMapDisplayMode = doc.m_nSavedMapDisplayMode;
        doc.m_bMapErasedByDialog = 1;
        view.InvalidateView(true);
    }
    view.OnActivateView(active);
}

void WatchViewActivation(CVeldoranView& view)
{
    QWidget* widget = vd::widgetOf(&view);
    if (!widget || widget->property("vdActivationWatched").toBool())
        return;
    widget->setProperty("vdActivationWatched", true);
    widget->installEventFilter(new ActivationFilter(view, widget));
}
