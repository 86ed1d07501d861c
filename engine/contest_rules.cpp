#include "engine/contest_rules.h"

#include "common/string_util.h"

CContestRules::CContestRules(const char* const* names, int count) {
  for (int i = 0; i < count; ++i) Add(names[i]);
}

CContestRules::~CContestRules() {
  RemoveAll();
}

int CContestRules::Lookup(const std::string& text) const {
  for (const std::string& name : *this) {
    if (EqualsNoCase(name, text)) return 1;
  }
  return 0;
}
