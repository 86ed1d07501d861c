#include "callcheck/set_description.h"

#include "platform/user_interface.h"

int NumberOfSets() {
  return 1;
}

const char* SetName(int index) {
  return index == 0 ? "KELM (C)" : "";
}

int IsValidExchange(const char* exchange) {
  if (!exchange) return 0;
  for (int i = 0; i < 5; ++i) {
    if (exchange[i] < '0' || exchange[i] > '9') return 0;  // also stops at the terminator
  }
  return exchange[5] == '\0' ? 1 : 0;
}

void ShowSetupNotice() {
  platform::UserInterface::Current().ShowMessage("No additional setup for this contest", "",
                                                 platform::MessageKind::plain, false);
}
