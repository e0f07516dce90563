#pragma once
// The main window's frame: title, stored geometry, smallest size. Menus, toolbar and controls are
// built on top of it.
#include "app/window_state.h"

#include <QMainWindow>

class MainWindow : public QMainWindow {
public:
  static constexpr int kMinimumWidth = 510;
  static constexpr int kMinimumHeight = 330;

  // Created hidden, at the stored position and size.
  MainWindow();

  // Shows the window, maximised when the settings say so.
  void Prepare();

  WindowShow ShowState() const;
  // Left and top of the frame, width and height of the window itself: the pair that the next
  // start's move and resize give back unchanged.
  WindowFrame Frame() const;
};
