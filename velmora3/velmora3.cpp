// velmora3, the reliability calculator.

#include "AppObject.h"
#include "velmora3Dlg.h"

shell::AppObject<ReliabilityDialog> theApp;
