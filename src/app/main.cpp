#include "app/program.h"
#include "gui/window_mode.h"

int main(int argc, char** argv) {
  // A second copy ends at once, without a word; it fails, since it did nothing it was asked.
  if (!StartProgram()) EndProgram(1);
  // Runs with parameters belong to the console front end; until it exists they end after start-up.
  if (argc > 1) EndProgram(0);
  EndProgram(RunWindowMode(argc, argv));
}
