#include "rtas/bridge/WrapperProcessCreators.h"

#include "rtas/bridge/CWrapperASPProcess.h"
#include "rtas/bridge/CWrapperRTASProcess.h"

#include <new>

CProcess* NewWrapperRTASProcess() { return new CWrapperRTASProcess(); }
CProcess* NewWrapperASPProcess() { return new CWrapperASPProcess(); }
