#pragma once
// Routes command numbers to their handlers. A command's state comes from one
// source (the command catalog with what the window knows); a command without a
// handler is disabled, whatever the source says.

#include <QKeyCombination>
#include <functional>
#include <map>
#include <optional>

#include "editing/command_catalog.h"

class CommandRouter {
public:
    using Handler = std::function<void()>;
    // Nothing returned: enabled, no check mark.
    using StateSource = std::function<std::optional<CommandState>(int id)>;

    void Register(int id, Handler handler) { m_handlers[id] = std::move(handler); }
    void SetStateSource(StateSource source) { m_stateSource = std::move(source); }
    bool HasHandler(int id) const { return m_handlers.count(id) != 0; }
    CommandState Status(int id) const;
    // Runs the handler when the command is enabled now; returns whether it ran. A
    // handler that runs out of memory ends, and the out-of-memory handler is told.
    bool Run(int id) const;
    void SetOutOfMemoryHandler(std::function<void()> handler) {
        m_outOfMemory = std::move(handler);
    }

    // Which command a shortcut key belongs to (0 for none); the main window knows.
    void SetShortcutLookup(std::function<int(QKeyCombination)> lookup) {
        m_shortcutLookup = std::move(lookup);
    }
    // Runs the command of a shortcut key; false when it has none or did not run.
    bool RunShortcut(QKeyCombination key) const;

private:
    std::map<int, Handler> m_handlers;
    StateSource m_stateSource;
    std::function<int(QKeyCombination)> m_shortcutLookup;
    std::function<void()> m_outOfMemory;
};
