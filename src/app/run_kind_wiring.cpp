#include "app/run_kind_wiring.h"

#include "app/individual_acquisition.h"
#include "sets/set_acquisition.h"

void RegisterBuiltRunKinds(TAppCore& core) {
  RegisterIndividualAcquisition(core);
  RegisterSetAcquisition(core);
}
