#pragma once
// Commands by id: a target's message map of command handlers and update handlers. The frame
// routes a command to the view, then the document, then itself, then the application; the first
// target with a handler takes it. Update handlers enable, check and rename a menu item when its
// menu opens; an item whose command nobody handles is disabled.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vd {

// What an update handler says about one command's item.
class CmdUI {
public:
    explicit CmdUI(int id) : m_nID(id) {}
    int m_nID;
    void Enable(bool on = true) { enabled = on; }
    void SetCheck(int check = 1) { checked = check; }
    void SetRadio(bool on = true) { checked = on ? 1 : 0; }
    void SetText(const std::string& newText) { text = newText; }

    std::optional<bool> enabled;
    std::optional<int> checked;
    std::optional<std::string> text;
};

class CommandTarget {
public:
    virtual ~CommandTarget();

    // The message map.
    void OnCommand(int id, std::function<void()> handler);
    void OnCommandRange(int firstId, int lastId, std::function<void(int id)> handler);
    void OnUpdateCommandUI(int id, std::function<void(CmdUI&)> handler);
    void OnUpdateCommandUIRange(int firstId, int lastId, std::function<void(CmdUI&)> handler);

    // Routing: runs the command; true when a handler took it.
    virtual bool routeCommand(int id);
    // Runs the update handler; true when there was one.
    virtual bool routeUpdate(CmdUI& ui);
    // Whether some handler on the route takes the command.
    virtual bool canHandle(int id) const;

    // This target's own map only.
    bool runOwnCommand(int id);
    bool runOwnUpdate(CmdUI& ui);
    bool hasOwnCommand(int id) const;

private:
    struct Entry {
        int first;
        int last;
        std::function<void(int)> command;
        std::function<void(CmdUI&)> update;
    };
    std::vector<Entry> commands_;
    std::vector<Entry> updates_;
};

} // namespace vd
