#include "CommandTable.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using shell::CommandEntry;
using shell::CommandTable;
using shell::findCommand;
using shell::kCommandMessage;

constexpr unsigned kClose = 0x0010;       // WM_CLOSE
constexpr unsigned kSysCommand = 0x0112;  // WM_SYSCOMMAND
constexpr unsigned kPaint = 0x000F;       // WM_PAINT, in no table
constexpr unsigned kClicked = 0;          // BN_CLICKED
constexpr unsigned kChange = 0x0300;      // EN_CHANGE

struct Target {
    int ranRow = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// Each row's handler records its own number, so calling the found entry shows which row it was.
template <int Row>
std::intptr_t record(Target& target, std::uintptr_t wParam, std::intptr_t lParam)
{
    target.ranRow = Row;
    target.wParam = wParam;
    target.lParam = lParam;
    return Row;
}

static constexpr CommandEntry<Target> rootRows[] = {
    {kCommandMessage, kClicked, 1, 1, record<101>},  // overridden further down the chain
    {kCommandMessage, kClicked, 500, 500, record<102>},
    {kClose, 0, 0, 0, record<103>},
};
static constexpr CommandTable<Target> rootTable{nullptr, rootRows};

static constexpr CommandTable<Target> emptyTable{&rootTable};

static constexpr CommandEntry<Target> leafRows[] = {
    {kCommandMessage, kClicked, 1, 1, record<1>},
    {kCommandMessage, kClicked, 10, 20, record<2>},
    {kCommandMessage, kClicked, 15, 15, record<3>},  // shadowed by the range above
    {kCommandMessage, kChange, 10, 20, record<4>},
    {kSysCommand, 0, 0, 0, record<5>},
};
static constexpr CommandTable<Target> leafTable{&emptyTable, leafRows};

struct LookupCase {
    const char* name;
    unsigned message, code, id;
    int row;  // 0: no match
};

void checkLookups(const CommandTable<Target>& table, const LookupCase* begin, const LookupCase* end)
{
    for (const LookupCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(c->name);
        const CommandEntry<Target>* entry = findCommand(&table, c->message, c->code, c->id);
        if (c->row == 0) {
            EXPECT_EQ(entry, nullptr);
            continue;
        }
        ASSERT_NE(entry, nullptr);
        Target target;
        const std::uintptr_t wParam = (std::uintptr_t{c->code} << 16) | c->id;
        EXPECT_EQ(entry->handler(target, wParam, 1234), c->row);
        EXPECT_EQ(target.ranRow, c->row);
        EXPECT_EQ(target.wParam, wParam);
        EXPECT_EQ(target.lParam, 1234);
    }
}

TEST(FindCommand, SearchesTableThenBaseChain)
{
    const LookupCase cases[] = {
        {"own row before base row", kCommandMessage, kClicked, 1, 1},
        {"range first id", kCommandMessage, kClicked, 10, 2},
        {"range inside", kCommandMessage, kClicked, 12, 2},
        {"first match wins over later exact row", kCommandMessage, kClicked, 15, 2},
        {"range last id", kCommandMessage, kClicked, 20, 2},
        {"just below range", kCommandMessage, kClicked, 9, 0},
        {"just above range", kCommandMessage, kClicked, 21, 0},
        {"same range, other code", kCommandMessage, kChange, 15, 4},
        {"code matching no row", kCommandMessage, 1, 15, 0},
        {"other message ignores code and id", kSysCommand, 7, 99, 5},
        {"other message with zero code and id", kSysCommand, 0, 0, 5},
        {"command found through empty table", kCommandMessage, kClicked, 500, 102},
        {"message found through empty table", kClose, 3, 4, 103},
        {"base command row needs its code", kCommandMessage, kChange, 500, 0},
        {"message in no table", kPaint, 0, 0, 0},
    };
    checkLookups(leafTable, std::begin(cases), std::end(cases));
}

TEST(FindCommand, EmptyTableFallsThroughToBase)
{
    const LookupCase cases[] = {
        {"base command row", kCommandMessage, kClicked, 1, 101},
        {"base message row", kClose, 0, 0, 103},
        {"leaf rows are not reachable from the base", kSysCommand, 0, 0, 0},
    };
    checkLookups(emptyTable, std::begin(cases), std::end(cases));
}

TEST(FindCommand, NullTableFindsNothing)
{
    EXPECT_EQ(findCommand<Target>(nullptr, kClose, 0, 0), nullptr);
}

TEST(CommandEntry, CommandRowMatchesCodeAndInclusiveIdRange)
{
    constexpr CommandEntry<Target> commandRow{kCommandMessage, kChange, 100, 102, record<1>};
    constexpr CommandEntry<Target> messageRow{kSysCommand, 0, 0, 0, record<2>};
    struct Case {
        const char* name;
        const CommandEntry<Target>& entry;
        unsigned message, code, id;
        bool matches;
    };
    const Case cases[] = {
        {"first id", commandRow, kCommandMessage, kChange, 100, true},
        {"inside", commandRow, kCommandMessage, kChange, 101, true},
        {"last id", commandRow, kCommandMessage, kChange, 102, true},
        {"below first", commandRow, kCommandMessage, kChange, 99, false},
        {"above last", commandRow, kCommandMessage, kChange, 103, false},
        {"wrong code", commandRow, kCommandMessage, kClicked, 101, false},
        {"other message, same code and id", commandRow, kSysCommand, kChange, 101, false},
        {"message row, any code and id", messageRow, kSysCommand, 5, 0xFFFF, true},
        {"message row, zero code and id", messageRow, kSysCommand, 0, 0, true},
        {"message row against WM_COMMAND", messageRow, kCommandMessage, 0, 0, false},
        {"message row against other message", messageRow, kClose, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.entry.matches(c.message, c.code, c.id), c.matches);
    }
}

// The tables are built before any constructor runs; lookups must work at compile time too.
static_assert(findCommand(&leafTable, kCommandMessage, kClicked, 15) == &leafRows[1]);
static_assert(findCommand(&leafTable, kClose, 0, 0) == &rootRows[2]);

}  // namespace
