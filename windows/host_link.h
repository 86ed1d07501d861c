#pragma once

// The driver through which every call to the host's automation object goes. It holds the
// host's dispatch interface (opaque here) while a caller uses it.
class CHostLink {
 public:
  CHostLink() = default;
  CHostLink(const CHostLink&) = delete;
  CHostLink& operator=(const CHostLink&) = delete;

  void AttachDispatch(void* dispatch) { m_dispatch = dispatch; }
  void* Dispatch() const { return m_dispatch; }

 private:
  void* m_dispatch = nullptr;
};
