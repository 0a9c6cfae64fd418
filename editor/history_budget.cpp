#include "editor/history_budget.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace pictor {

std::size_t DefaultHistoryBudget() {
  constexpr std::size_t kMost = std::size_t{2} << 30;
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGE_SIZE);
  if (pages <= 0 || pageSize <= 0) return kMost;
  return std::min(kMost, static_cast<std::size_t>(pages) * static_cast<std::size_t>(pageSize) / 4);
}

std::optional<std::size_t> ParseHistoryBudget(std::string_view mib) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(mib.data(), mib.data() + mib.size(), value);
  if (error != std::errc() || end != mib.data() + mib.size() || value == 0 ||
      value > (std::size_t(-1) >> 20))
    return std::nullopt;
  return value << 20;
}

std::size_t HistoryBudget() {
  if (const char* value = std::getenv(kHistoryBudgetVariable))
    if (std::optional<std::size_t> budget = ParseHistoryBudget(value)) return *budget;
  return DefaultHistoryBudget();
}

}  // namespace pictor
