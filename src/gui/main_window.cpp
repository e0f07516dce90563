#include "gui/main_window.h"

#include "app/program.h"
#include "settings/settings.h"

MainWindow::MainWindow() {
  setWindowTitle(QString::fromStdString(ProgramTitle()));
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  move(settings.x, settings.y);
  resize(settings.width, settings.height);
}

void MainWindow::Prepare() {
  if (settings.isMaximized == 1)
    showMaximized();
  else
    show();
}

WindowShow MainWindow::ShowState() const {
  if (isMinimized()) return WindowShow::Minimized;
  if (isMaximized()) return WindowShow::Maximized;
  return WindowShow::Normal;
}

WindowFrame MainWindow::Frame() const { return {x(), y(), width(), height()}; }
