#pragma once
// The application core as the command line uses it: on the program folder of --home, with the
// JV-Link emulator on the store of --store, started as the window starts it.

#include "app/app_core.h"
#include "app/run_outcome.h"
#include "cli/command.h"

#include <memory>

// The started core, or nullptr when the settings could not be loaded (reported); the command
// then ends with 9 and leaves the settings file alone.
std::unique_ptr<TAppCore> StartCliCore(CliContext& context);

// A run's exit status: 2 when it was refused before it ran, else its result code.
int ExitStatus(const RunOutcome& outcome);

// Starts the run of `page` as its start button does, with the page's inputs already filled,
// closes the core (saving the settings, as closing the window does) and gives the exit status.
int RunFromPage(TAppCore& core, RunPage page);
