#include "host/designtime/component.h"

#include <algorithm>

namespace pictor {

bool SameText(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

const TPropInfo* TComponent::FindProperty(std::string_view name) const {
  for (const TPropInfo& info : properties_)
    if (SameText(info.Name, name)) return &info;
  return nullptr;
}

}  // namespace pictor
