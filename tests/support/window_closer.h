#pragma once

#if defined(_WIN32)
#include <string>
#include <thread>

namespace stats_test {

// Waits on a helper thread for a dialog box that the given thread opens, records its caption
// and message text, and closes it with OK. Gives up after the timeout.
class DialogCloser {
 public:
  explicit DialogCloser(unsigned long ownerThreadId, int timeoutMs = 20000);
  ~DialogCloser();  // joins the helper thread
  DialogCloser(const DialogCloser&) = delete;
  DialogCloser& operator=(const DialogCloser&) = delete;

  // Valid after the helper has finished (call Join first).
  void Join();
  bool found() const { return m_found; }
  const std::string& caption() const { return m_caption; }
  const std::string& text() const { return m_text; }

 private:
  void Run(unsigned long ownerThreadId, int timeoutMs);

  std::thread m_thread;
  bool m_found = false;
  std::string m_caption;
  std::string m_text;
};

}  // namespace stats_test
#endif
