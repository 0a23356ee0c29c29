#pragma once
// The people and horses of the simulated world: sires with their lines, jockeys, trainers,
// owners, breeders, and each crop of horses with names, pedigree, stable and talent.

#include "rng.h"
#include "world.h"

#include <map>
#include <string>
#include <unordered_set>

constexpr int kSimulatedYears = 7;

class Population {
 public:
  // Creates the sires, the people, the owners and the breeders; world.simStart must be set.
  explicit Population(World& world);

  // A new horse appended to world.horses; returns its id. A horse already racing when the
  // simulated years begin is available at once.
  int createHorse(int birthYear, bool alreadyRacing);

 private:
  Ancestor makeAncestor(int kind, bool foreign);
  void createStallions();
  void createPeople();
  void createOwnersAndBreeders();

  World& w_;
  Rng rng_;
  std::unordered_set<std::string> names_;
  std::map<int, int> serialByYear_;
  int ancestorSerial_ = 0;
};
