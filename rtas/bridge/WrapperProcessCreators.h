// The creators the plug-in's types hand out: each makes one new wrapper instance of its kind (null when it cannot).
// Main thread, under the group's context lock.
#pragma once

class CProcess;

CProcess* NewWrapperRTASProcess();
CProcess* NewWrapperASPProcess();
