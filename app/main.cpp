#include <cstdio>

int main() {
  std::puts("xpexam: the program's windows are not built yet.");
  return 0;
}
