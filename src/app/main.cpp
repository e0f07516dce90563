#include "app/program.h"

int main() {
  // A second copy ends at once, without a word; it fails, since it did nothing it was asked.
  if (!StartProgram()) EndProgram(1);
  EndProgram(0);
}
