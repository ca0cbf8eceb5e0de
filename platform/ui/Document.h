#pragma once
// The document of the single-document program: a command target that lives for the run and
// tells its views to update.
#include "platform/ui/CommandTarget.h"

#include <cstdint>
#include <vector>

namespace vd {

class View;

class Document : public CommandTarget {
public:
    ~Document() override;
    // The new-file step after the frame and the view are built.
    virtual bool OnNewDocument();
    // Calls OnUpdate of every view but the sender.
    void UpdateAllViews(View* sender, std::intptr_t hint = 0);
    void AddView(View* view);
    void RemoveView(View* view);
    const std::vector<View*>& views() const { return views_; }

private:
    std::vector<View*> views_;
};

} // namespace vd
