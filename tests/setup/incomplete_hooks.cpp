// A library with three of the four hooks: coinest-install must refuse it before calling any.
#include <cstdio>

extern "C" {
__attribute__((visibility("default"))) int Install_Init(void*, int, int, const char*) {
  std::puts("Install_Init called");
  return 0;
}
__attribute__((visibility("default"))) int Install_Exit(void*, const char*, unsigned short, unsigned short,
                                                        unsigned short, unsigned short, unsigned short) {
  std::puts("Install_Exit called");
  return 0;
}
__attribute__((visibility("default"))) int Uninstall_Init(void*, const char*) {
  std::puts("Uninstall_Init called");
  return 0;
}
}
