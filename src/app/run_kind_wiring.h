#pragma once
// The run kinds this build carries, registered with a new core. Each subsystem that builds a run
// kind adds its registration here.

class TAppCore;

void RegisterBuiltRunKinds(TAppCore& core);
