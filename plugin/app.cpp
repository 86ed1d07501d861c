#include "plugin/app.h"

#include <chrono>
#include <thread>

#include "windows/window_thread.h"

bool CTestApp::InitInstance() {
  return true;
}

int CTestApp::ExitInstance() {
  HideInfo();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return 0;
}
