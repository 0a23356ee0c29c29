#pragma once
// Set acquisition: one stored-data request for each target data kind of a set, in data kind
// number order, with the set's option and record types, into output folder slot 1. The from-time
// of a data kind (FromTime[k]) advances only when its request succeeded; the settings are saved
// whatever happened.

class TAppCore;

constexpr int kSetOutDirSlot = 1;

// setNumber 1..13. 0 done (a kind without data is not a failure), 5 cancelled, 9 failed, the
// output folder refused or no such set.
int RunSet(TAppCore& core, int setNumber);

// Run kind 1: the set chosen on the set page.
void RegisterSetAcquisition(TAppCore& core);
