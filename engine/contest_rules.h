#pragma once

#include <string>

#include "common/string_list.h"

// A fixed list of allowed names (bands or modes), searched ignoring letter case.
class CContestRules : public CStringArray {
 public:
  CContestRules(const char* const* names, int count);
  ~CContestRules() override;

  // 1 when some element equals the text ignoring case, otherwise 0.
  int Lookup(const std::string& text) const;
};
