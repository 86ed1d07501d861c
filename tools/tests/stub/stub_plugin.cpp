// A library with one of the plug-in's plain names but none of the decorated ones.
#if defined(_WIN32)
#define STUB_EXPORT extern "C" __declspec(dllexport)
#else
#define STUB_EXPORT extern "C" __attribute__((visibility("default")))
#endif

STUB_EXPORT int GetNumberOfSets() {
  return 1;
}
