#pragma once
// Routes command numbers to their handlers and update rules. A command
// without a handler is disabled, whatever its rule says.

#include <QKeyCombination>
#include <functional>
#include <map>
#include <optional>

struct CommandStatus {
    bool enabled = true;
    std::optional<bool> checked;  // set for commands that show a check mark
};

class CommandRouter {
public:
    using Handler = std::function<void()>;
    using UpdateRule = std::function<CommandStatus()>;

    // Rules shared by many commands (the grid's enabling table); consulted before a
    // command's own rule. Nothing returned: the command's own rule decides.
    using SharedRules = std::function<std::optional<CommandStatus>(int id)>;

    // An empty rule means always enabled, no check mark.
    void Register(int id, Handler handler, UpdateRule rule = {});
    void SetSharedRules(SharedRules rules) { m_sharedRules = std::move(rules); }
    bool HasHandler(int id) const { return m_commands.count(id) != 0; }
    CommandStatus Status(int id) const;
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
    struct Entry {
        Handler handler;
        UpdateRule rule;
    };
    std::map<int, Entry> m_commands;
    SharedRules m_sharedRules;
    std::function<int(QKeyCombination)> m_shortcutLookup;
    std::function<void()> m_outOfMemory;
};
