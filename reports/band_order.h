#pragma once

#include <string>

#include "common/string_list.h"

// The sort key of a band text: "0" put in front until it is 20 characters long; a text of 20
// or more characters is its own key.
std::string BandSortKey(const std::string& band);

// Sorts the list in place, descending by BandSortKey compared byte by byte, with an exchange
// sort: for every i and every j after it, entries i and j swap when key(i) < key(j). The
// contest's bands come out as "160m", "80m", "40m".
void SortBandsDescending(CStringArray& bands);
