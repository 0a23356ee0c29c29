#pragma once
// Pools of names and the texts built from them, as JV-Data carries them: full-width katakana horse
// names with their half-width kana and English forms, kanji person names with a full-width space
// between surname and given name, farms, owners, silks, race names. Every result is CP932.

#include "rng.h"

#include <string>
#include <string_view>
#include <unordered_set>

struct HorseName {
  std::string name;     // full-width katakana, at most nine characters
  std::string kana;     // the same in half-width katakana
  std::string english;  // "Gold Ship"
  std::string meaning;  // what the name means, for the name-origin records
};

// A name from one or two words; `prefix` is an owner's crown word ("" for none). With `taken`,
// the name is one not in it (compared in UTF-8) and is added to it; an owner whose crown word
// leaves no name free gets one without it.
HorseName MakeHorseName(Rng& rng, std::string_view prefixWord, std::unordered_set<std::string>* taken = nullptr);
// A crown word for an owner's horses (UTF-8 katakana), or "" for none.
std::string MakeCrownWord(Rng& rng);
// A name made of English words only, for foreign-bred ancestors ("Royal Dancer").
std::string MakeForeignName(Rng& rng);

struct PersonName {
  std::string full;       // "山田　太郎"
  std::string kana;       // half-width: surname in bytes 1-15, given name from byte 16
  std::string shortName;  // at most four full-width characters: "山田太"
  std::string english;    // "Taro Yamada"
};

PersonName MakePersonName(Rng& rng, bool female);

struct OrgName {
  std::string name;       // without legal form
  std::string legalName;  // with it, "（株）…" for companies
  std::string kana;
  std::string english;
};

OrgName MakeOwnerName(Rng& rng, std::string_view crownWord);
OrgName MakeBreederName(Rng& rng);
std::string MakeSilks(Rng& rng);           // 服色標示
struct Birthplace {
  std::string name;  // 産地名: mostly towns of Hokkaido
  bool abroad = false;
};
Birthplace BreedingPlace(Rng& rng);
std::string BreederAddress(Rng& rng);      // 生産者住所自治省名

struct RaceName {
  std::string name;     // 競走名本題
  std::string english;  // 競走名本題欧字
  std::string short10, short6, short3;
};

// Special races: a place name and a suffix chosen by `kind` (0 特別, 1 ステークス, 2 記念/カップ/賞/杯).
RaceName MakeRaceName(std::uint64_t hash, int kind);

std::string CourseName(int course);          // "東京" for 05; local and overseas codes too
std::string LocalRaceName(Rng& rng);          // name of a local race
std::string HalfWidthKana(std::string_view katakana);  // UTF-8 in, UTF-8 out
