#pragma once

// The application object: started when the library is loaded, ended before the module-level
// objects are destroyed at unload.
class CTestApp {
 public:
  // Always succeeds; touches no file, starts no thread.
  bool InitInstance();
  // Closes the module's windows and waits for the window thread, then sleeps 20 ms.
  int ExitInstance();
};
