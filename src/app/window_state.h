#pragma once
// What the end of window mode keeps of the main window and of the session, before the save.

enum class WindowShow { Normal, Maximized, Minimized };

struct WindowFrame {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// A maximised window keeps its last normal size and position for the next start; a minimised one
// changes nothing, so the next start does not open as an icon-sized window; a normal one stores
// where it is. Recent output folders are forgotten when the user asked for no history.
void StoreSettingsAtExit(WindowShow show, const WindowFrame& frame);
