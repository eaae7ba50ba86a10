#include <cstdio>

int main() {
  std::fputs("meshmill-cli: not yet\n", stderr);
  return 2;
}
