#pragma once
// Static command tables: rows of (message, notification code, first id, last id, handler),
// searched first match wins, each table chained to its base table.
// Free of <windows.h> so that the lookup can be tested on any host.

#include <cstddef>
#include <cstdint>

namespace shell {

inline constexpr unsigned kCommandMessage = 0x0111;  // WM_COMMAND

template <class Target>
struct CommandEntry {
    using Handler = std::intptr_t (*)(Target&, std::uintptr_t wParam, std::intptr_t lParam);

    unsigned message;
    unsigned code;     // notification code; 0 for messages other than WM_COMMAND
    unsigned firstId;  // inclusive id range; 0 to 0 for messages other than WM_COMMAND
    unsigned lastId;
    Handler handler;

    // A WM_COMMAND row matches on code and id range; any other row on the message alone.
    constexpr bool matches(unsigned msg, unsigned notification, unsigned id) const
    {
        if (msg != message)
            return false;
        return msg != kCommandMessage || (notification == code && firstId <= id && id <= lastId);
    }
};

template <class Target>
struct CommandTable {
    const CommandTable* base;  // the table consulted when no row here matches
    const CommandEntry<Target>* entries = nullptr;
    std::size_t count = 0;

    template <std::size_t N>
    constexpr CommandTable(const CommandTable* baseTable, const CommandEntry<Target> (&rows)[N])
        : base(baseTable), entries(rows), count(N)
    {
    }
    constexpr CommandTable(const CommandTable* baseTable) : base(baseTable) {}
};

template <class Target>
constexpr const CommandEntry<Target>* findCommand(const CommandTable<Target>* table, unsigned message,
                                                  unsigned code, unsigned id)
{
    for (; table != nullptr; table = table->base) {
        for (std::size_t i = 0; i < table->count; ++i) {
            if (table->entries[i].matches(message, code, id))
                return &table->entries[i];
        }
    }
    return nullptr;
}

}  // namespace shell
