// velmora4, the greeting program.

#include "AppObject.h"
#include "velmora4Dlg.h"

shell::AppObject<GreetingDialog> theApp;
