#include "support/command_router.h"

#include <new>

void CommandRouter::Register(int id, Handler handler, UpdateRule rule) {
    m_commands[id] = Entry{std::move(handler), std::move(rule)};
}

CommandStatus CommandRouter::Status(int id) const {
    const auto found = m_commands.find(id);
    if (found == m_commands.end()) return CommandStatus{false, std::nullopt};
    if (m_sharedRules)
        if (const std::optional<CommandStatus> shared = m_sharedRules(id)) return *shared;
    return found->second.rule ? found->second.rule() : CommandStatus{};
}

bool CommandRouter::Run(int id) const {
    if (!Status(id).enabled) return false;
    // Copy: the handler may replace the router's entries (a new document).
    const Handler handler = m_commands.at(id).handler;
    try {
        handler();
    } catch (const std::bad_alloc&) {
        // What the command held is freed by now, so the message can be shown.
        if (m_outOfMemory) m_outOfMemory();
    }
    return true;
}

bool CommandRouter::RunShortcut(QKeyCombination key) const {
    const int id = m_shortcutLookup ? m_shortcutLookup(key) : 0;
    return id != 0 && Run(id);
}
