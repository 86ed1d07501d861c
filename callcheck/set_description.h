#pragma once

// The constant answers about the module.

// Number of statistics sets (and of exchange items): always 1.
int NumberOfSets();

// "KELM (C)" for index 0, "" for any other index. The texts are constants of the module.
const char* SetName(int index);

// 1 when the exchange is exactly five decimal digits; a null exchange is not valid.
int IsValidExchange(const char* exchange);

// Shows the notice that the contest has no further setup, and waits for it to be closed.
void ShowSetupNotice();
