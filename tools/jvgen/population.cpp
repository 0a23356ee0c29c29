#include "population.h"

#include "util/fixed_width.h"

namespace {

constexpr int kStallions = 120;
constexpr int kActiveSires = 60;  // the first ones cover mares; all of them appear as dams' sires
constexpr int kTrainers = 230;    // 200 licensed before the simulated years, 30 during them
constexpr int kJockeys = 230;     // 170 licensed before the simulated years, 60 during them
constexpr int kOwners = 600;
constexpr int kBreeders = 400;

}  // namespace

Population::Population(World& world) : w_(world), rng_(world.seed, 0x9E) {
  createStallions();
  createPeople();
  createOwnersAndBreeders();
}

Ancestor Population::makeAncestor(int kind, bool foreign) {
  Ancestor out;
  out.name = foreign ? MakeForeignName(rng_) : MakeHorseName(rng_, "").name;
  out.regNo = ZeroPadded(static_cast<unsigned long long>(10 + kind) * 100000000ULL +
                             static_cast<unsigned long long>(++ancestorSerial_ * 37 + 100000),
                         10);
  return out;
}

void Population::createStallions() {
  for (int i = 0; i < kStallions; ++i) {
    Stallion s;
    s.self = makeAncestor(1, rng_.percent(20));
    s.sire = makeAncestor(1, rng_.percent(60));
    s.dam = makeAncestor(2, rng_.percent(60));
    s.sireSire = makeAncestor(1, rng_.percent(80));
    s.sireDam = makeAncestor(2, rng_.percent(80));
    s.damSire = makeAncestor(1, rng_.percent(80));
    s.damDam = makeAncestor(2, rng_.percent(80));
    w_.stallions.push_back(s);
  }
}

void Population::createPeople() {
  const int simStart = w_.simStart;
  const int diffWeeks = 4 * w_.historyWeeks;
  // Trainers first: jockeys belong to stables. Some of the older ones retire at the end of a
  // February; one a week retires in the weeks the masters' differences cover.
  for (int i = 0; i < kTrainers; ++i) {
    Person t;
    t.code = 1100 + i * 2;
    t.sex = rng_.percent(3) ? 2 : 1;
    t.name = MakePersonName(rng_, t.sex == 2);
    t.affiliation = i % 2 + 1;
    t.birthDay = simStart - 365 * rng_.between(30, 62);
    t.licenseDay = i < 200 ? simStart - rng_.between(365, 365 * 25) : simStart + rng_.below(365 * kSimulatedYears);
    t.weight = rng_.between(1, 10);
    if (i >= 170 && i < 200) {
      int y = ToYmd(simStart).y + rng_.below(kSimulatedYears);
      t.retireDay = DayNumber(y, 3, 1) - 1;
    }
    w_.trainers.push_back(t);
  }
  for (int wk = 0; wk < diffWeeks; ++wk) w_.trainers[static_cast<std::size_t>(160 + wk % 10)].retireDay = w_.weekStart - 7 * wk - 3;

  for (int i = 0; i < kJockeys; ++i) {
    Person j;
    j.code = 500 + i * 2;
    j.sex = rng_.percent(6) ? 2 : 1;
    j.name = MakePersonName(rng_, j.sex == 2);
    j.affiliation = i % 2 + 1;
    bool licensedDuringSim = i >= 170;
    j.licenseDay = licensedDuringSim ? simStart + rng_.below(365 * kSimulatedYears) : simStart - rng_.between(200, 365 * 22);
    j.birthDay = j.licenseDay - 365 * rng_.between(18, 21);
    j.qualification = i % 15 == 0 ? 3 : i % 4 == 0 ? 1 : 2;
    if (i % 7 == 0) j.qualification = 1;
    j.weight = i < 20 ? 12 : i < 60 ? 5 : 2;
    j.skill = i < 20 ? 6 : i < 60 ? 3 : 0;
    if (licensedDuringSim && w_.weekStart - j.licenseDay < 3 * 365) {
      j.apprentice = j.sex == 2 ? 4 : rng_.between(1, 3);
    }
    if (i >= 120 && i < 165) {
      int y = ToYmd(simStart).y + rng_.below(kSimulatedYears);
      j.retireDay = DayNumber(y, 3, 1) - 1;
    }
    j.stable = rng_.percent(30) ? -1 : (j.affiliation - 1) + 2 * rng_.below(100);
    w_.jockeys.push_back(j);
  }
  for (int wk = 0; wk < diffWeeks; ++wk) w_.jockeys[static_cast<std::size_t>(100 + wk % 20)].retireDay = w_.weekStart - 7 * wk - 3;
}

void Population::createOwnersAndBreeders() {
  for (int i = 0; i < kOwners; ++i) {
    Owner o;
    o.code = 100000 + i * 7;
    o.crown = MakeCrownWord(rng_);
    o.name = MakeOwnerName(rng_, o.crown);
    o.silks = MakeSilks(rng_);
    w_.owners.push_back(o);
  }
  for (int i = 0; i < kBreeders; ++i) {
    Breeder b;
    b.code = 3000000 + i * 13;
    b.name = MakeBreederName(rng_);
    b.address = BreederAddress(rng_);
    w_.breeders.push_back(b);
  }
}

int Population::createHorse(int birthYear, bool alreadyRacing) {
  Horse h;
  h.id = static_cast<int>(w_.horses.size());
  h.birthYear = birthYear;
  h.birthDay = DayNumber(birthYear, 2, 1) + rng_.below(110);
  h.regNo = std::to_string(birthYear) + "1" + ZeroPadded(static_cast<unsigned long long>(++serialByYear_[birthYear] * 3 + 100), 5);
  h.owner = rng_.below(static_cast<int>(w_.owners.size()));
  h.name = MakeHorseName(rng_, w_.owners[static_cast<std::size_t>(h.owner)].crown, &names_);
  int sexRoll = rng_.below(100);
  h.sex = sexRoll < 47 ? 1 : sexRoll < 92 ? 2 : 3;
  static const int coats[] = {1, 1, 1, 3, 3, 3, 3, 4, 4, 5, 7, 2, 6};
  h.coat = coats[rng_.below(static_cast<int>(std::size(coats)))];
  h.breeder = rng_.below(static_cast<int>(w_.breeders.size()));
  Birthplace place = BreedingPlace(rng_);
  h.place = place.name;
  h.mark = place.abroad ? 6 : rng_.percent(15) ? 4 : 0;  // (外) foreign-bred, (市) bought at a sale
  h.sire = rng_.below(kActiveSires);
  h.damSire = rng_.below(kStallions);
  h.damDamSire = rng_.below(kStallions);
  h.damSeed = rng_.next();
  h.ability = 50 + static_cast<int>(rng_.bell() * 9);
  h.style = rng_.between(1, 4);
  h.bodyWeight = (h.sex == 2 ? 440 : 470) + rng_.between(-30, 40);
  h.blinker = rng_.percent(10);
  h.iron = rng_.percent(5);
  h.maxRuns = h.iron ? rng_.between(58, 75) : rng_.percent(12) ? rng_.between(40, 60) : rng_.between(8, 45);
  h.restTendency = h.iron ? rng_.between(12, 18) : rng_.percent(15) ? 18 : rng_.between(24, 56);
  // Trainers who are licensed and not retiring soon.
  int start = std::max(w_.simStart, DayNumber(birthYear + 2, 1, 1));
  for (int tries = 0; tries < 50; ++tries) {
    h.trainer = rng_.below(static_cast<int>(w_.trainers.size()));
    const Person& t = w_.trainers[static_cast<std::size_t>(h.trainer)];
    if (t.licenseDay <= start && t.retireDay > start + 400) break;
  }
  if (alreadyRacing) {
    h.registeredDay = DayNumber(birthYear + 2, 4, 1) + rng_.below(200);
    h.availableFrom = w_.simStart + rng_.below(60);
  } else {
    h.availableFrom = DayNumber(birthYear + 2, 6, 1) + rng_.below(300);
    h.registeredDay = h.availableFrom - rng_.between(20, 60);
  }
  w_.horses.push_back(h);
  return h.id;
}
