#pragma once

#include <string>

#include "common/typed_array.h"

// An ordered, growable list of texts.
class CStringArray : public CTypedArray<std::string> {
 public:
  virtual ~CStringArray() = default;

  // Index of the first element equal to the text (exact), or -1.
  int Find(const std::string& text) const {
    for (int i = 0; i < GetSize(); ++i) {
      if (GetAt(i) == text) return i;
    }
    return -1;
  }
};
