#include "model/PropatyData.h"

CPropatyData* g_pPropatyData = nullptr;
int g_nIniWidth = 200;
int g_nIniHeight = 60;
int g_nArrowLineWidth = 1;
