#include "gui/desktop_size.h"

#include <QGuiApplication>
#include <QScreen>

DesktopSize PrimaryDesktopSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QSize size = screen->geometry().size();
  return {size.width(), size.height()};
}
