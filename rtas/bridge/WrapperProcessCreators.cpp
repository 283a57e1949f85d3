#include "rtas/bridge/WrapperProcessCreators.h"

// Until the wrapper instances exist, no type can make one.
CProcess* NewWrapperRTASProcess() { return nullptr; }
CProcess* NewWrapperASPProcess() { return nullptr; }
