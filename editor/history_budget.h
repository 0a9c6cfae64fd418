// The memory the undo history may hold.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace pictor {

// The environment variable that sets the budget, in MiB.
inline constexpr const char* kHistoryBudgetVariable = "PICTOR_HISTORY_BUDGET_MIB";

// A quarter of the physical memory, at most 2 GiB.
std::size_t DefaultHistoryBudget();
// The budget in bytes that a value of the variable asks for: a whole number
// of MiB, at least 1; nothing for anything else.
std::optional<std::size_t> ParseHistoryBudget(std::string_view mib);
// The variable's budget when it is set and valid, otherwise the default.
std::size_t HistoryBudget();

}  // namespace pictor
