#include "support/command_router.h"

#include <new>

CommandState CommandRouter::Status(int id) const {
    if (!HasHandler(id)) return CommandState{false, std::nullopt};
    if (m_stateSource)
        if (const std::optional<CommandState> state = m_stateSource(id)) return *state;
    return CommandState{};
}

bool CommandRouter::Run(int id) const {
    if (!Status(id).enabled) return false;
    // Copy: the handler may replace the router's entries (a new document).
    const Handler handler = m_handlers.at(id);
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
