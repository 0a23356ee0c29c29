#include "generator.h"

#include "store_plan.h"
#include "world.h"

GeneratorReport GenerateStore(const GeneratorOptions& options) {
  int weekStart = SwitchDate(options.today, options.minuteOfDay);
  World world = BuildWorld(options.seed, weekStart, options.scale);
  StoreWriter out(options.outDir);
  StoreContext ctx{world, out, options.today, options.minuteOfDay, options.scale};
  WriteRace(ctx);
  WriteRunnerMasters(ctx);
  WriteSpecials(ctx);
  WriteDifferences(ctx);
  WriteSchedule(ctx);
  WriteSmallKinds(ctx);
  WriteRealtime(ctx);
  out.storeIni(weekStart);
  return {weekStart, out.totals()};
}
