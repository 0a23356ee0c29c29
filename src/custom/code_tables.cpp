#include "custom/code_tables.h"

#include "custom/code_table.h"
#include "util/cp932.h"
#include "util/integer_text.h"

namespace {

int CodeNumber(std::string_view code, int fallback = 0) {
  return ParseInteger(code).value_or(fallback);
}

}  // namespace

std::string CourseCountryName(std::string_view code, int form) {
  static const CodeTable<int> courses{
      {0, {"？？", "？"}}, {1, {"札幌", "札"}}, {2, {"函館", "函"}}, {3, {"福島", "福"}},
      {4, {"新潟", "新"}}, {5, {"東京", "東"}}, {6, {"中山", "中"}}, {7, {"中京", "名"}},
      {8, {"京都", "京"}}, {9, {"阪神", "阪"}}, {10, {"小倉", "小"}}, {30, {"門別", "門"}},
      {31, {"北見", "北"}}, {32, {"岩見", "岩"}}, {33, {"帯広", "帯"}}, {34, {"旭川", "旭"}},
      {35, {"盛岡", "盛"}}, {36, {"水沢", "水"}}, {37, {"上山", "上"}}, {38, {"三条", "三"}},
      {39, {"足利", "足"}}, {40, {"宇都", "宇"}}, {41, {"高崎", "高"}}, {42, {"浦和", "浦"}},
      {43, {"船橋", "船"}}, {44, {"大井", "大"}}, {45, {"川崎", "川"}}, {46, {"金沢", "金"}},
      {47, {"笠松", "笠"}}, {48, {"名古", "古"}}, {49, {"紀三", "紀"}}, {50, {"園田", "園"}},
      {51, {"姫路", "姫"}}, {52, {"益田", "益"}}, {53, {"福山", "福"}}, {54, {"高知", "高"}},
      {55, {"佐賀", "佐"}}, {56, {"荒尾", "荒"}}, {57, {"中津", "中"}}, {58, {"札幌", "札"}},
      {59, {"函館", "函"}}, {60, {"新潟", "新"}}, {61, {"中京", "名"}},
  };
  // Codes listed with empty texts are known countries without a name, not unknown codes.
  static const CodeTable<std::string> countries{
      {"A0", {"他外", "外"}}, {"A2", {"日本", "日"}}, {"A4", {"アメ", "米"}},
      {"A6", {"イギ", "英"}}, {"A8", {"フラ", "仏"}}, {"B0", {"イン", "印"}},
      {"B2", {"アイ", "愛"}}, {"B4", {"ニュ", "新"}}, {"B6", {"オー", "豪"}},
      {"B8", {"カナ", "加"}}, {"C0", {"イタ", "伊"}}, {"C2", {"ドイ", "独"}},
      {"C4", {"", ""}}, {"C5", {"オマ", "オ"}}, {"C6", {"イラ", "イ"}},
      {"C7", {"ア首", "首"}}, {"C8", {"シリ", "叙"}}, {"D0", {"スウ", "瑞"}},
      {"D2", {"ハン", "洪"}}, {"D4", {"ポル", "葡"}}, {"D6", {"ロシ", "露"}},
      {"D8", {"ウル", "宇"}}, {"E0", {"ペル", "秘"}}, {"E2", {"アル", "亜"}},
      {"E4", {"ブラ", "伯"}}, {"E6", {"ベル", "白"}}, {"E8", {"トル", "土"}},
      {"F0", {"韓国", "韓"}}, {"F1", {"中国", "中"}}, {"F2", {"チリ", "智"}},
      {"F4", {"", ""}}, {"F6", {"", ""}}, {"F8", {"パナ", "巴"}},
      {"G0", {"香港", "香"}}, {"G2", {"スペ", "西"}}, {"G4", {"", ""}},
      {"G6", {"", ""}}, {"G8", {"", ""}}, {"H0", {"西独", "独"}},
      {"H2", {"南ア", "南"}}, {"H4", {"スイ", "ス"}}, {"H6", {"モナ", "モ"}},
      {"H8", {"フィ", "比"}}, {"I0", {"プエ", "プ"}}, {"I2", {"コロ", "コ"}},
      {"I4", {"チェ", "チ"}}, {"I6", {"チェ", "チ"}}, {"I8", {"スロ", "ス"}},
      {"J0", {"エク", "エ"}}, {"J2", {"ギリ", "ギ"}}, {"J4", {"マレ", "馬"}},
      {"J6", {"メキ", "墨"}}, {"J8", {"モロ", "摩"}}, {"K0", {"パキ", "基"}},
      {"K2", {"ポー", "波"}}, {"K4", {"パラ", "拉"}}, {"K6", {"サウ", "サ"}},
      {"K8", {"キプ", "キ"}}, {"L0", {"タイ", "泰"}}, {"L2", {"ウク", "烏"}},
      {"L4", {"ベネ", "ベ"}}, {"L6", {"ユー", "ユ"}}, {"L8", {"デン", "丁"}},
      {"M0", {"シン", "嘉"}}, {"M2", {"澳門", "澳"}}, {"M4", {"墺　", "墺　"}},
      {"M6", {"約　", "約　"}}, {"M8", {"華　", "華　"}}, {"N0", {"東独", "独"}},
      {"N2", {"巴林", "巴"}}, {"N4", {"カザ", "カ"}}, {"N6", {"毛里", "毛"}},
  };
  static const std::string kPlace = Sjis("場");
  if (form != 1 && form != 2) return std::string(code);
  const std::string* name = courses.Find(CodeNumber(code, 999), form);
  if (!name) name = countries.Find(code, form);
  if (name) return *name;
  return form == 1 ? kPlace + std::string(code) : std::string(code);
}

std::string WeekdayName(std::string_view code, int form) {
  static const CodeTable<int> table{
      {1, {"土曜日", "土"}}, {2, {"日曜日", "日"}}, {3, {"祝日", "祝"}}, {4, {"月曜日", "月"}},
      {5, {"火曜日", "火"}}, {6, {"水曜日", "水"}}, {7, {"木曜日", "木"}}, {8, {"金曜日", "金"}},
  };
  return table.Text(CodeNumber(code), form);
}

std::string AffiliationName(std::string_view code) {
  static const CodeTable<int> table{{1, {"美浦"}}, {2, {"栗東"}}, {3, {"地方"}}, {4, {"外国"}}};
  return table.Text(CodeNumber(code));
}

std::string RegistrationStatusName(std::string_view code) {
  // Not a number reads as 9, which is no status: the unknown mark, never "現役".
  static const CodeTable<int> table({{0, {"現役"}}, {1, {"抹消"}}}, "？？");
  return table.Text(CodeNumber(code, 9));
}

std::string HorseMark(std::string_view code) {
  static const CodeTable<int> table{
      {1, {"(抽)"}}, {2, {"[抽]"}}, {3, {"(父)"}}, {4, {"(市)"}}, {5, {"(地)"}}, {6, {"(外)"}},
      {7, {"(父)(抽)"}}, {8, {"(父)(市)"}}, {9, {"(父)(地)"}}, {10, {"(市)(地)"}},
      {11, {"(外)(地)"}}, {12, {"(父)(市)(地)"}}, {15, {"(招)"}}, {16, {"(招)(外)"}},
      {17, {"(招)(父)"}}, {18, {"(招)(市)"}}, {19, {"(招)(父)(市)"}}, {20, {"(父)(外)"}},
      {21, {"[地]"}}, {22, {"(外)[地]"}}, {23, {"(父)[地]"}}, {24, {"(市)[地]"}},
      {25, {"(父)(市)[地]"}}, {26, {"[外]"}}, {27, {"(父)[外]"}}, {31, {"(持)"}},
      {40, {"(父)(外)(地)"}}, {41, {"(父)(外)[地]"}},
  };
  return table.Text(CodeNumber(code));
}

std::string SexName(std::string_view code) {
  static const CodeTable<int> table{{1, {"牡"}}, {2, {"牝"}}, {3, {"ｾﾝ"}}};
  return table.Text(CodeNumber(code));
}

std::string BreedName(std::string_view code) {
  static const CodeTable<int> table{
      {1, {"サラ"}}, {2, {"サラ系"}}, {3, {"準サラ"}}, {4, {"軽半"}},
      {5, {"アア"}}, {6, {"アラ系"}}, {7, {"アラブ"}}, {8, {"中半"}},
  };
  return table.Text(CodeNumber(code));
}

std::string CoatColourName(std::string_view code) {
  static const CodeTable<int> table{
      {1, {"栗毛"}}, {2, {"栃栗毛"}}, {3, {"鹿毛"}}, {4, {"黒鹿毛"}}, {5, {"青鹿毛"}},
      {6, {"青毛"}}, {7, {"芦毛"}}, {8, {"栗粕毛"}}, {9, {"鹿粕毛"}}, {10, {"青粕毛"}},
      {11, {"白毛"}},
  };
  return table.Text(CodeNumber(code));
}

std::string BlinkerMark(std::string_view code) { return code == "1" ? "B" : ""; }

std::string ApprenticeMark(std::string_view code) {
  static const CodeTable<int> table{{1, {"☆"}}, {2, {"△"}}, {3, {"▲"}}, {4, {"★"}}, {9, {"◇"}}};
  return table.Text(CodeNumber(code));
}

std::string RidingQualificationName(std::string_view code) {
  static const CodeTable<int> table{{1, {"平・障害"}}, {2, {"平地"}}, {3, {"障害"}}};
  return table.Text(CodeNumber(code));
}

std::string GradeName(std::string_view code) {
  static const CodeTable<std::string> table{
      {"A", {"G1"}}, {"B", {"G2"}}, {"C", {"G3"}}, {"D", {"重賞"}}, {"E", {"特別"}},
      {"F", {"J･G1"}}, {"G", {"J･G2"}}, {"H", {"J･G3"}}, {"L", {"L"}},
  };
  return table.Text(code);
}

std::string RaceClassName(std::string_view code, int form) {
  static const CodeTable<int> table{
      {11, {"サラブレッド系２歳", "２歳"}},
      {12, {"サラブレッド系３歳", "３歳"}},
      {13, {"サラブレッド系３歳上", "３歳上"}},
      {14, {"サラブレッド系４歳上", "４歳上"}},
      {18, {"サラブレッド系障害３歳上", "障害３歳上"}},
      {19, {"サラブレッド系障害４歳上", "障害４歳上"}},
      {21, {"アラブ系２歳", "アラ２歳"}},
      {22, {"アラブ系３歳", "アラ３歳"}},
      {23, {"アラブ系３歳上", "アラ３歳上"}},
      {24, {"アラブ系４歳上", "アラ４歳上"}},
  };
  return table.Text(CodeNumber(code), form);
}

std::string RaceSymbolText(std::string_view code) {
  // Pairs and characters without a row ("00", "01", "0" …) add nothing.
  static const CodeTable<std::string> entrants{
      {"02", {"牝"}}, {"03", {"牡・ｾﾝ"}}, {"04", {"牡・牝"}}, {"A0", {"(混合)"}},
      {"A1", {"(混合) 牡"}}, {"A2", {"(混合) 牝"}}, {"A3", {"(混合) 牡・ｾﾝ"}},
      {"A4", {"(混合) 牡・牝"}}, {"B0", {"(父)"}}, {"C0", {"(市)"}}, {"D0", {"(抽)"}},
      {"E0", {"[抽]"}}, {"F0", {"(市) (抽)"}}, {"G0", {"(抽) 関西配付馬"}},
      {"H0", {"(抽) 関東配付馬"}}, {"I0", {"[抽] 関西配付馬"}}, {"J0", {"[抽] 関東配付馬"}},
      {"K0", {"(市)(抽) 関西配付馬"}}, {"L0", {"(市)(抽) 関東配付馬"}}, {"M0", {"九州産馬"}},
      {"N0", {"(国際)"}}, {"N2", {"(国際) 牝"}}, {"N3", {"(国際) 牡・ｾﾝ"}},
      {"N4", {"(国際) 牡・牝"}},
  };
  static const CodeTable<std::string> jockeys{
      {"1", {"(指定)"}}, {"2", {"若手騎手"}}, {"3", {"[指定]"}}, {"4", {"(特指)"}},
  };
  if (code.size() != 3) return {};
  return entrants.Text(code.substr(0, 2)) + jockeys.Text(code.substr(2));
}

std::string WeightRuleName(std::string_view code) {
  static const CodeTable<int> table{{1, {"ハンデ"}}, {2, {"別定"}}, {3, {"馬齢"}}, {4, {"定量"}}};
  return table.Text(CodeNumber(code));
}

std::string RaceConditionName(std::string_view code, int form) {
  static const CodeTable<int> words{
      {701, {"新馬", "新馬"}}, {702, {"未出走", "未出走"}},
      {703, {"未勝利", "未勝利"}}, {999, {"オープン", "オープン"}},
  };
  // Codes 1..699 are prize-money limits in millions of yen, shown in units of 10,000 yen.
  static const std::string kLimitSuffixes[] = {Sjis("万円以下"), Sjis("万")};
  int number = CodeNumber(code);
  if (number >= 1 && number <= 699) {
    if (form != 1 && form != 2) return {};
    return std::to_string(number * 100) + kLimitSuffixes[form - 1];
  }
  return words.Text(number, form);
}

std::string TrackName(std::string_view code, int form) {
  static const CodeTable<int> table{
      {10, {"芝・直", "芝"}},
      {11, {"芝・左", "芝"}},
      {12, {"芝・左外", "芝"}},
      {13, {"芝・左内→外", "芝"}},
      {14, {"芝・左外→内", "芝"}},
      {15, {"芝・左内2周", "芝"}},
      {16, {"芝・左外2周", "芝"}},
      {17, {"芝・右", "芝"}},
      {18, {"芝・右外", "芝"}},
      {19, {"芝・右内→外", "芝"}},
      {20, {"芝・右外→内", "芝"}},
      {21, {"芝・右内2周", "芝"}},
      {22, {"芝・右外2周", "芝"}},
      {23, {"ダート・左", "ダート"}},
      {24, {"ダート・右", "ダート"}},
      {25, {"ダート・左内", "ダート"}},
      {26, {"ダート・左外", "ダート"}},
      {27, {"サンド・左", "サンド"}},
      {28, {"サンド・右", "サンド"}},
      {29, {"ダート・直", "ダート"}},
      {51, {"障害芝・襷", "障害（芝）"}},
      {52, {"障害芝→ダート", "障害（芝→ダ）"}},
      {53, {"障害芝・左", "障害（芝）"}},
      {54, {"障害芝", "障害（芝）"}},
      {55, {"障害芝・外", "障害（芝）"}},
      {56, {"障害芝・外→内", "障害（芝）"}},
      {57, {"障害芝・内→外", "障害（芝）"}},
      {58, {"障害芝・内2周", "障害（芝）"}},
      {59, {"障害芝・外2周", "障害（芝）"}},
  };
  return table.Text(CodeNumber(code), form);
}

std::string WeatherName(std::string_view code) {
  static const CodeTable<int> table{
      {1, {"晴"}}, {2, {"曇"}}, {3, {"雨"}}, {4, {"小雨"}}, {5, {"雪"}}, {6, {"小雪"}},
  };
  return table.Text(CodeNumber(code));
}

std::string GoingName(std::string_view code, int form) {
  static const CodeTable<int> table{
      {1, {"良", "良", "○"}}, {2, {"稍重", "稍", "□"}},
      {3, {"重", "重", "●"}}, {4, {"不良", "不", "■"}},
  };
  return table.Text(CodeNumber(code), form);
}

std::string AbnormalityName(std::string_view code, int form) {
  static const CodeTable<int> table{
      {1, {"出走取消", "消"}}, {2, {"発走除外", "除"}}, {3, {"競走除外", "除"}},
      {4, {"競走中止", "止"}}, {5, {"失格", "失"}}, {6, {"落馬再騎乗", "再"}},
      {7, {"降着", "降"}},
  };
  return table.Text(CodeNumber(code), form);
}

std::string DeadHeatMark(std::string_view code) {
  static const CodeTable<int> table{{1, {"同着"}}};
  return table.Text(CodeNumber(code));
}

std::string RecordUpdateName(std::string_view code) {
  static const CodeTable<int> table{{1, {"基準"}}, {2, {"レコード"}}};
  return table.Text(CodeNumber(code));
}

std::string MiningKindName(std::string_view code) {
  static const CodeTable<int> table{{1, {"前日"}}, {2, {"当日"}}, {3, {"直前"}}};
  return table.Text(CodeNumber(code));
}

std::string RunningStyleName(std::string_view code) {
  static const CodeTable<int> table{{1, {"逃"}}, {2, {"先"}}, {3, {"差"}}, {4, {"追"}}};
  return table.Text(CodeNumber(code));
}

std::string MarginText(std::string_view code) {
  static const CodeTable<std::string> table{
      {" 12", {"1/2"}}, {" 34", {"3/4"}}, {"1  ", {"1"}}, {"112", {"1 1/2"}},
      {"114", {"1 1/4"}}, {"134", {"1 3/4"}}, {"2  ", {"2"}}, {"212", {"2 1/2"}},
      {"3  ", {"3"}}, {"312", {"3 1/2"}}, {"4  ", {"4"}}, {"5  ", {"5"}}, {"6  ", {"6"}},
      {"7  ", {"7"}}, {"8  ", {"8"}}, {"9  ", {"9"}}, {"A  ", {"ｱﾀﾏ"}}, {"D  ", {"同着"}},
      {"H  ", {"ﾊﾅ"}}, {"K  ", {"ｸﾋﾞ"}}, {"T  ", {"大差"}}, {"Z  ", {"10"}},
  };
  return table.Text(code);
}
