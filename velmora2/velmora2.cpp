// velmora2, the launcher.

#include "AppObject.h"
#include "velmora2Dlg.h"

shell::AppObject<LauncherDialog> theApp;
