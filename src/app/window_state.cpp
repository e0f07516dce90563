#include "app/window_state.h"

#include "settings/settings.h"

void StoreSettingsAtExit(WindowShow show, const WindowFrame& frame) {
  switch (show) {
    case WindowShow::Maximized: settings.isMaximized = 1; break;
    case WindowShow::Minimized: break;
    case WindowShow::Normal:
      settings.isMaximized = 0;
      settings.width = frame.width;
      settings.height = frame.height;
      settings.x = frame.x;
      settings.y = frame.y;
      break;
  }
  if (settings.outFoldersHistory == 0) settings.recentOutFolders.clear();
}
