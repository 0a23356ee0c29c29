#include "names.h"

#include "util/cp932.h"

#include <map>
#include <unordered_map>
#include <vector>

namespace {

struct Word {
  const char* kana;
  const char* english;
  const char* meaning;
};

const Word kWords[] = {
    {"ゴールド", "Gold", "金"}, {"シルバー", "Silver", "銀"}, {"ブルー", "Blue", "青"},
    {"レッド", "Red", "赤"}, {"ホワイト", "White", "白"}, {"ブラック", "Black", "黒"},
    {"スター", "Star", "星"}, {"ムーン", "Moon", "月"}, {"サン", "Sun", "太陽"},
    {"スカイ", "Sky", "空"}, {"ウインド", "Wind", "風"}, {"ストーム", "Storm", "嵐"},
    {"ライト", "Light", "光"}, {"ナイト", "Night", "夜"}, {"キング", "King", "王"},
    {"クイーン", "Queen", "女王"}, {"プリンス", "Prince", "王子"}, {"ロード", "Road", "道"},
    {"ハート", "Heart", "心"}, {"ドリーム", "Dream", "夢"}, {"ビクトリー", "Victory", "勝利"},
    {"グローリー", "Glory", "栄光"}, {"フラッシュ", "Flash", "閃光"}, {"サンダー", "Thunder", "雷"},
    {"ファイア", "Fire", "炎"}, {"アイス", "Ice", "氷"}, {"ローズ", "Rose", "薔薇"},
    {"リリー", "Lily", "百合"}, {"ダイヤ", "Diamond", "金剛石"}, {"エメラルド", "Emerald", "翠玉"},
    {"ルビー", "Ruby", "紅玉"}, {"パール", "Pearl", "真珠"}, {"クリスタル", "Crystal", "水晶"},
    {"オーシャン", "Ocean", "大洋"}, {"リバー", "River", "川"}, {"マウンテン", "Mountain", "山"},
    {"フォレスト", "Forest", "森"}, {"ミラクル", "Miracle", "奇跡"}, {"マジック", "Magic", "魔法"},
    {"ロマン", "Roman", "浪漫"}, {"ソング", "Song", "歌"}, {"メロディ", "Melody", "旋律"},
    {"ハーモニー", "Harmony", "調和"}, {"ダンサー", "Dancer", "踊り手"}, {"ランナー", "Runner", "走者"},
    {"ヒーロー", "Hero", "英雄"}, {"レジェンド", "Legend", "伝説"}, {"スピリット", "Spirit", "精神"},
    {"ソウル", "Soul", "魂"}, {"ブレイブ", "Brave", "勇敢な"}, {"ノーブル", "Noble", "高貴な"},
    {"ロイヤル", "Royal", "王室の"}, {"エース", "Ace", "第一人者"}, {"タイガー", "Tiger", "虎"},
    {"ライオン", "Lion", "獅子"}, {"イーグル", "Eagle", "鷲"}, {"ファルコン", "Falcon", "隼"},
    {"ホーク", "Hawk", "鷹"}, {"ドラゴン", "Dragon", "竜"}, {"フェニックス", "Phoenix", "不死鳥"},
    {"ペガサス", "Pegasus", "天馬"}, {"アロー", "Arrow", "矢"}, {"ブレード", "Blade", "刃"},
    {"シャドウ", "Shadow", "影"}, {"ミスト", "Mist", "霧"}, {"レイン", "Rain", "雨"},
    {"スノー", "Snow", "雪"}, {"サマー", "Summer", "夏"}, {"ウインター", "Winter", "冬"},
    {"スプリング", "Spring", "春"}, {"オータム", "Autumn", "秋"}, {"モーニング", "Morning", "朝"},
    {"ミッドナイト", "Midnight", "真夜中"}, {"サンライズ", "Sunrise", "日の出"},
    {"サンセット", "Sunset", "日没"}, {"ギャラクシー", "Galaxy", "銀河"}, {"コメット", "Comet", "彗星"},
    {"プラネット", "Planet", "惑星"}, {"オーロラ", "Aurora", "極光"}, {"レインボー", "Rainbow", "虹"},
    {"ブリーズ", "Breeze", "そよ風"}, {"ワンダー", "Wonder", "驚異"}, {"ラッキー", "Lucky", "幸運な"},
    {"ハッピー", "Happy", "幸せな"}, {"スマイル", "Smile", "微笑み"}, {"ベル", "Bell", "鐘"},
    {"チャーム", "Charm", "魅力"}, {"グレース", "Grace", "優美"}, {"スイート", "Sweet", "甘い"},
    {"シュガー", "Sugar", "砂糖"}, {"ハニー", "Honey", "蜂蜜"}, {"ベリー", "Berry", "木の実"},
    {"チェリー", "Cherry", "桜桃"}, {"ピーチ", "Peach", "桃"}, {"レモン", "Lemon", "檸檬"},
    {"ミント", "Mint", "薄荷"}, {"ジャスミン", "Jasmine", "茉莉花"}, {"マリン", "Marine", "海の"},
    {"アクア", "Aqua", "水"}, {"テラ", "Terra", "大地"}, {"ルナ", "Luna", "月の女神"},
    {"ステラ", "Stella", "星"}, {"アポロ", "Apollo", "太陽神"}, {"アテナ", "Athena", "知恵の女神"},
    {"ビーナス", "Venus", "金星"}, {"マーズ", "Mars", "火星"}, {"ジュピター", "Jupiter", "木星"},
    {"オリオン", "Orion", "オリオン座"}, {"シリウス", "Sirius", "天狼星"}, {"ベガ", "Vega", "織女星"},
    {"スピカ", "Spica", "乙女座の一等星"}, {"ポラリス", "Polaris", "北極星"}, {"トップ", "Top", "頂点"},
    {"グランド", "Grand", "壮大な"}, {"スーパー", "Super", "超越した"}, {"ビッグ", "Big", "大きな"},
    {"リトル", "Little", "小さな"}, {"ニュー", "New", "新しい"}, {"ワイルド", "Wild", "野生の"},
    {"クール", "Cool", "冷静な"}, {"ファースト", "First", "最初の"}, {"ネクスト", "Next", "次の"},
    {"フューチャー", "Future", "未来"}, {"メモリー", "Memory", "記憶"}, {"ストーリー", "Story", "物語"},
    {"シンフォニー", "Symphony", "交響曲"}, {"ワルツ", "Waltz", "円舞曲"}, {"タンゴ", "Tango", "タンゴ"},
    {"ジャズ", "Jazz", "ジャズ"}, {"ビート", "Beat", "拍子"}, {"リズム", "Rhythm", "律動"},
    {"フレーム", "Flame", "炎"}, {"スパーク", "Spark", "火花"}, {"ボルト", "Bolt", "稲妻"},
    {"ラッシュ", "Rush", "突進"}, {"ダッシュ", "Dash", "疾走"}, {"ジェット", "Jet", "噴射"},
    {"ロケット", "Rocket", "ロケット"}, {"ターボ", "Turbo", "加速"}, {"パワー", "Power", "力"},
    {"フォース", "Force", "力"}, {"エナジー", "Energy", "活力"}, {"ガイア", "Gaia", "大地の女神"},
    {"エクリプス", "Eclipse", "日食"}, {"サーガ", "Saga", "英雄譚"}, {"クエスト", "Quest", "探求"},
    {"ジャーニー", "Journey", "旅"}, {"ボイジャー", "Voyager", "航海者"}, {"パイロット", "Pilot", "水先案内人"},
    {"キャプテン", "Captain", "主将"}, {"ジェネラル", "General", "将軍"}, {"サクラ", "Sakura", "桜"},
    {"ミヤビ", "Miyabi", "雅"}, {"ハヤテ", "Hayate", "疾風"}, {"ヒカリ", "Hikari", "光"},
    {"ソラ", "Sora", "空"}, {"ツバサ", "Tsubasa", "翼"}, {"ユメ", "Yume", "夢"},
    {"ホシ", "Hoshi", "星"}, {"ミライ", "Mirai", "未来"}, {"アカツキ", "Akatsuki", "暁"},
    {"カグラ", "Kagura", "神楽"}, {"ヤマト", "Yamato", "大和"}, {"ムサシ", "Musashi", "武蔵"},
    {"サムライ", "Samurai", "侍"}, {"ショウグン", "Shogun", "将軍"}, {"リュウ", "Ryu", "竜"},
    {"コマチ", "Komachi", "小町"}, {"カゼ", "Kaze", "風"}, {"ハナ", "Hana", "花"},
    {"ヴィクトワール", "Victoire", "勝利（仏）"}, {"エトワール", "Etoile", "星（仏）"},
    {"ソレイユ", "Soleil", "太陽（仏）"}, {"ルミエール", "Lumiere", "光（仏）"},
    {"アモーレ", "Amore", "愛（伊）"}, {"ステッラ", "Stella", "星（伊）"}, {"ヴェント", "Vento", "風（伊）"},
};
constexpr int kWordCount = sizeof kWords / sizeof kWords[0];

// Leading words that go before one or two others ("ザ" + "ゴールド" + "スター").
const Word kLeads[] = {
    {"ザ", "The", "その"},       {"マイ", "My", "私の"},         {"ミス", "Miss", "お嬢さん"},
    {"ドン", "Don", "首領"},     {"サー", "Sir", "卿"},           {"レディ", "Lady", "淑女"},
    {"ミスター", "Mister", "氏"}, {"エル", "El", "定冠詞（西）"}, {"ラ", "La", "定冠詞（仏）"},
    {"ル", "Le", "定冠詞（仏）"}, {"セント", "Saint", "聖"},     {"マダム", "Madame", "夫人"},
    {"ムッシュ", "Monsieur", "紳士"}, {"ハイ", "High", "高い"},   {"オール", "All", "全て"},
};
constexpr int kLeadCount = sizeof kLeads / sizeof kLeads[0];

struct Surname {
  const char* kanji;
  const char* kana;
  const char* english;
};

const Surname kSurnames[] = {
    {"佐藤", "サトウ", "Sato"},       {"鈴木", "スズキ", "Suzuki"},     {"高橋", "タカハシ", "Takahashi"},
    {"田中", "タナカ", "Tanaka"},     {"伊藤", "イトウ", "Ito"},         {"渡辺", "ワタナベ", "Watanabe"},
    {"山本", "ヤマモト", "Yamamoto"}, {"中村", "ナカムラ", "Nakamura"}, {"小林", "コバヤシ", "Kobayashi"},
    {"加藤", "カトウ", "Kato"},       {"吉田", "ヨシダ", "Yoshida"},     {"山田", "ヤマダ", "Yamada"},
    {"佐々木", "ササキ", "Sasaki"},   {"松本", "マツモト", "Matsumoto"}, {"井上", "イノウエ", "Inoue"},
    {"木村", "キムラ", "Kimura"},     {"林", "ハヤシ", "Hayashi"},       {"清水", "シミズ", "Shimizu"},
    {"山崎", "ヤマザキ", "Yamazaki"}, {"森", "モリ", "Mori"},             {"池田", "イケダ", "Ikeda"},
    {"橋本", "ハシモト", "Hashimoto"}, {"阿部", "アベ", "Abe"},           {"石川", "イシカワ", "Ishikawa"},
    {"前田", "マエダ", "Maeda"},       {"藤田", "フジタ", "Fujita"},       {"小川", "オガワ", "Ogawa"},
    {"岡田", "オカダ", "Okada"},       {"後藤", "ゴトウ", "Goto"},         {"長谷川", "ハセガワ", "Hasegawa"},
    {"村上", "ムラカミ", "Murakami"}, {"近藤", "コンドウ", "Kondo"},     {"坂本", "サカモト", "Sakamoto"},
    {"遠藤", "エンドウ", "Endo"},     {"青木", "アオキ", "Aoki"},         {"藤井", "フジイ", "Fujii"},
    {"西村", "ニシムラ", "Nishimura"}, {"福田", "フクダ", "Fukuda"},     {"太田", "オオタ", "Ota"},
    {"三浦", "ミウラ", "Miura"},       {"岡本", "オカモト", "Okamoto"},   {"松田", "マツダ", "Matsuda"},
    {"中川", "ナカガワ", "Nakagawa"}, {"中野", "ナカノ", "Nakano"},     {"原田", "ハラダ", "Harada"},
    {"小野", "オノ", "Ono"},           {"田村", "タムラ", "Tamura"},       {"竹内", "タケウチ", "Takeuchi"},
    {"金子", "カネコ", "Kaneko"},     {"和田", "ワダ", "Wada"},           {"中山", "ナカヤマ", "Nakayama"},
    {"石田", "イシダ", "Ishida"},     {"上田", "ウエダ", "Ueda"},         {"森田", "モリタ", "Morita"},
    {"原", "ハラ", "Hara"},           {"柴田", "シバタ", "Shibata"},     {"酒井", "サカイ", "Sakai"},
    {"工藤", "クドウ", "Kudo"},       {"横山", "ヨコヤマ", "Yokoyama"}, {"宮崎", "ミヤザキ", "Miyazaki"},
    {"宮本", "ミヤモト", "Miyamoto"}, {"内田", "ウチダ", "Uchida"},     {"高木", "タカギ", "Takagi"},
    {"安藤", "アンドウ", "Ando"},     {"谷口", "タニグチ", "Taniguchi"}, {"大野", "オオノ", "Ono"},
    {"丸山", "マルヤマ", "Maruyama"}, {"今井", "イマイ", "Imai"},       {"河野", "コウノ", "Kono"},
    {"藤原", "フジワラ", "Fujiwara"}, {"武藤", "ムトウ", "Muto"},       {"菅原", "スガワラ", "Sugawara"},
};
constexpr int kSurnameCount = sizeof kSurnames / sizeof kSurnames[0];

const Surname kMaleGiven[] = {
    {"太郎", "タロウ", "Taro"},     {"一郎", "イチロウ", "Ichiro"}, {"健", "ケン", "Ken"},
    {"誠", "マコト", "Makoto"},     {"翔", "ショウ", "Sho"},         {"大輔", "ダイスケ", "Daisuke"},
    {"拓也", "タクヤ", "Takuya"},   {"直樹", "ナオキ", "Naoki"},     {"和也", "カズヤ", "Kazuya"},
    {"雄一", "ユウイチ", "Yuichi"}, {"浩二", "コウジ", "Koji"},     {"隆", "タカシ", "Takashi"},
    {"博", "ヒロシ", "Hiroshi"},   {"修", "オサム", "Osamu"},       {"進", "ススム", "Susumu"},
    {"勝己", "カツミ", "Katsumi"}, {"剛", "ツヨシ", "Tsuyoshi"},   {"豊", "ユタカ", "Yutaka"},
    {"蓮", "レン", "Ren"},         {"陸", "リク", "Riku"},           {"颯太", "ソウタ", "Sota"},
    {"悠斗", "ユウト", "Yuto"},     {"大和", "ヤマト", "Yamato"},   {"優一", "ユウイチ", "Yuichi"},
    {"康太", "コウタ", "Kota"},     {"賢治", "ケンジ", "Kenji"},     {"正人", "マサト", "Masato"},
    {"幸四郎", "コウシロウ", "Koshiro"}, {"典弘", "ノリヒロ", "Norihiro"}, {"友一", "ユウイチ", "Yuichi"},
    {"裕二", "ユウジ", "Yuji"},     {"将", "ショウ", "Sho"},         {"英明", "ヒデアキ", "Hideaki"},
};
constexpr int kMaleGivenCount = sizeof kMaleGiven / sizeof kMaleGiven[0];

const Surname kFemaleGiven[] = {
    {"菜七子", "ナナコ", "Nanako"}, {"美穂", "ミホ", "Miho"},   {"さくら", "サクラ", "Sakura"},
    {"葵", "アオイ", "Aoi"},         {"彩", "アヤ", "Aya"},       {"結衣", "ユイ", "Yui"},
    {"真央", "マオ", "Mao"},         {"莉子", "リコ", "Riko"},
};
constexpr int kFemaleGivenCount = sizeof kFemaleGiven / sizeof kFemaleGiven[0];

struct Place {
  const char* kanji;
  const char* english;
};

const Place kPlaces[] = {
    {"筑波", "Tsukuba"},     {"箱根", "Hakone"},       {"湘南", "Shonan"},       {"鎌倉", "Kamakura"},
    {"秩父", "Chichibu"},     {"館山", "Tateyama"},     {"房総", "Boso"},         {"利根川", "Tonegawa"},
    {"多摩川", "Tamagawa"},   {"調布", "Chofu"},         {"武蔵野", "Musashino"},  {"八王子", "Hachioji"},
    {"高尾", "Takao"},       {"丹沢", "Tanzawa"},       {"伊豆", "Izu"},           {"熱海", "Atami"},
    {"浜名湖", "Hamanako"},   {"三河", "Mikawa"},       {"知多", "Chita"},         {"伊勢", "Ise"},
    {"鈴鹿", "Suzuka"},       {"長良川", "Nagaragawa"}, {"犬山", "Inuyama"},       {"岡崎", "Okazaki"},
    {"比叡", "Hiei"},         {"鞍馬", "Kurama"},       {"嵐山", "Arashiyama"},   {"大原", "Ohara"},
    {"宇治川", "Ujigawa"},   {"鴨川", "Kamogawa"},     {"桂川", "Katsuragawa"},  {"醍醐", "Daigo"},
    {"北野", "Kitano"},       {"琵琶湖", "Biwako"},     {"近江", "Omi"},           {"須磨", "Suma"},
    {"明石", "Akashi"},       {"六甲", "Rokko"},         {"甲山", "Kabutoyama"},   {"武庫川", "Mukogawa"},
    {"猪名川", "Inagawa"},   {"淡路", "Awaji"},         {"舞子", "Maiko"},         {"関門", "Kanmon"},
    {"門司", "Moji"},         {"玄海", "Genkai"},       {"筑後川", "Chikugogawa"}, {"由布院", "Yufuin"},
    {"別府", "Beppu"},       {"阿蘇", "Aso"},           {"桜島", "Sakurajima"},   {"霧島", "Kirishima"},
    {"英彦山", "Hikosan"},   {"響灘", "Hibikinada"},   {"磐梯", "Bandai"},       {"猪苗代", "Inawashiro"},
    {"吾妻", "Azuma"},       {"安達太良", "Adatara"},   {"阿武隈", "Abukuma"},     {"会津", "Aizu"},
    {"佐渡", "Sado"},         {"弥彦", "Yahiko"},       {"妙高", "Myoko"},         {"越後", "Echigo"},
    {"信濃川", "Shinanogawa"}, {"月岡", "Tsukioka"},     {"瀬波", "Senami"},       {"羊蹄", "Yotei"},
    {"大雪", "Taisetsu"},     {"支笏湖", "Shikotsuko"}, {"洞爺湖", "Toyako"},     {"積丹", "Shakotan"},
    {"藻岩", "Moiwa"},       {"大沼", "Onuma"},         {"駒ケ岳", "Komagatake"}, {"湯の川", "Yunokawa"},
    {"松前", "Matsumae"},     {"五稜郭", "Goryokaku"},   {"恵山", "Esan"},         {"十和田", "Towada"},
    {"白神", "Shirakami"},   {"飛騨", "Hida"},           {"摩周", "Mashu"},         {"八幡平", "Hachimantai"},
};
constexpr int kPlaceCount = sizeof kPlaces / sizeof kPlaces[0];

const char* const kTowns[] = {"日高町", "新冠町", "浦河町", "新ひだか町", "安平町", "平取町",
                              "様似町", "千歳市", "むかわ町", "洞爺湖町", "えりも町", "登別市"};
const char* const kForeignPlaces[] = {"アメリカ", "アイルランド", "イギリス", "フランス"};

const char* const kColours[] = {"赤", "青", "黄", "緑", "白", "黒", "桃", "紫", "水色", "茶", "橙", "薄紫"};
const char* const kPatterns[] = {"縦縞", "一本輪", "二本輪", "山形一本輪", "星散らし", "襷",
                                 "菱山形", "蛇目", "元廻", "鋸歯形", "格子縞", "井桁絣"};

const char* const kFarmSuffix[] = {"牧場", "ファーム", "スタッド", "牧場"};
const char* const kOwnerSuffix[] = {"ホールディングス", "レーシング", "商事", "ファーム", "サラブレッドクラブ"};

// Full-width katakana and their half-width forms, one pair per character.
const char* const kKanaPairs[][2] = {
    {"ァ", "ｧ"},   {"ア", "ｱ"},   {"ィ", "ｨ"},   {"イ", "ｲ"},   {"ゥ", "ｩ"},   {"ウ", "ｳ"},
    {"ェ", "ｪ"},   {"エ", "ｴ"},   {"ォ", "ｫ"},   {"オ", "ｵ"},   {"カ", "ｶ"},   {"ガ", "ｶﾞ"},
    {"キ", "ｷ"},   {"ギ", "ｷﾞ"},  {"ク", "ｸ"},   {"グ", "ｸﾞ"},  {"ケ", "ｹ"},   {"ゲ", "ｹﾞ"},
    {"コ", "ｺ"},   {"ゴ", "ｺﾞ"},  {"サ", "ｻ"},   {"ザ", "ｻﾞ"},  {"シ", "ｼ"},   {"ジ", "ｼﾞ"},
    {"ス", "ｽ"},   {"ズ", "ｽﾞ"},  {"セ", "ｾ"},   {"ゼ", "ｾﾞ"},  {"ソ", "ｿ"},   {"ゾ", "ｿﾞ"},
    {"タ", "ﾀ"},   {"ダ", "ﾀﾞ"},  {"チ", "ﾁ"},   {"ヂ", "ﾁﾞ"},  {"ッ", "ｯ"},   {"ツ", "ﾂ"},
    {"ヅ", "ﾂﾞ"},  {"テ", "ﾃ"},   {"デ", "ﾃﾞ"},  {"ト", "ﾄ"},   {"ド", "ﾄﾞ"},  {"ナ", "ﾅ"},
    {"ニ", "ﾆ"},   {"ヌ", "ﾇ"},   {"ネ", "ﾈ"},   {"ノ", "ﾉ"},   {"ハ", "ﾊ"},   {"バ", "ﾊﾞ"},
    {"パ", "ﾊﾟ"},  {"ヒ", "ﾋ"},   {"ビ", "ﾋﾞ"},  {"ピ", "ﾋﾟ"},  {"フ", "ﾌ"},   {"ブ", "ﾌﾞ"},
    {"プ", "ﾌﾟ"},  {"ヘ", "ﾍ"},   {"ベ", "ﾍﾞ"},  {"ペ", "ﾍﾟ"},  {"ホ", "ﾎ"},   {"ボ", "ﾎﾞ"},
    {"ポ", "ﾎﾟ"},  {"マ", "ﾏ"},   {"ミ", "ﾐ"},   {"ム", "ﾑ"},   {"メ", "ﾒ"},   {"モ", "ﾓ"},
    {"ャ", "ｬ"},   {"ヤ", "ﾔ"},   {"ュ", "ｭ"},   {"ユ", "ﾕ"},   {"ョ", "ｮ"},   {"ヨ", "ﾖ"},
    {"ラ", "ﾗ"},   {"リ", "ﾘ"},   {"ル", "ﾙ"},   {"レ", "ﾚ"},   {"ロ", "ﾛ"},   {"ワ", "ﾜ"},
    {"ヲ", "ｦ"},   {"ン", "ﾝ"},   {"ヴ", "ｳﾞ"},  {"ー", "ｰ"},   {"・", "･"},   {"　", " "},
};

std::size_t Utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  return 4;
}


// The first n characters of a UTF-8 text.
std::string FirstChars(std::string_view text, int n) {
  std::size_t at = 0;
  for (int i = 0; i < n && at < text.size(); ++i) at += Utf8Length(static_cast<unsigned char>(text[at]));
  return std::string(text.substr(0, at));
}

int CharacterCount(std::string_view utf8) {
  int count = 0;
  for (std::size_t at = 0; at < utf8.size(); at += Utf8Length(static_cast<unsigned char>(utf8[at]))) {
    ++count;
  }
  return count;
}

std::string PadBytes(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

}  // namespace

std::string HalfWidthKana(std::string_view katakana) {
  // Full-width katakana and the ideographic space lie in U+3000 .. U+30FF.
  static const std::vector<std::string> table = [] {
    std::vector<std::string> map(0x100);
    for (const auto& pair : kKanaPairs) {
      const unsigned char* b = reinterpret_cast<const unsigned char*>(pair[0]);
      unsigned code = ((b[0] & 0x0Fu) << 12) | ((b[1] & 0x3Fu) << 6) | (b[2] & 0x3Fu);
      map[code - 0x3000] = pair[1];
    }
    return map;
  }();
  std::string out;
  for (std::size_t at = 0; at < katakana.size();) {
    std::size_t len = Utf8Length(static_cast<unsigned char>(katakana[at]));
    if (len == 3 && at + 3 <= katakana.size()) {
      const unsigned char* b = reinterpret_cast<const unsigned char*>(katakana.data() + at);
      unsigned code = ((b[0] & 0x0Fu) << 12) | ((b[1] & 0x3Fu) << 6) | (b[2] & 0x3Fu);
      if (code >= 0x3000 && code <= 0x30FF && !table[code - 0x3000].empty()) {
        out += table[code - 0x3000];
        at += 3;
        continue;
      }
    }
    out.append(katakana.substr(at, len));
    at += len;
  }
  return out;
}

std::string MakeCrownWord(Rng& rng) {
  if (!rng.percent(40)) return "";
  return kWords[rng.below(kWordCount)].kana;
}

namespace {

struct NameParts {
  std::string kana, english, meaning;
};

NameParts PickName(Rng& rng, std::string_view prefixWord) {
  for (;;) {
    const Word& first = kWords[rng.below(kWordCount)];
    const Word& second = kWords[rng.below(kWordCount)];
    NameParts out;
    if (!prefixWord.empty()) {
      static const std::unordered_map<std::string_view, std::string_view> englishOf = [] {
        std::unordered_map<std::string_view, std::string_view> map;
        for (const Word& w : kWords) map.emplace(w.kana, w.english);
        return map;
      }();
      auto crown = englishOf.find(prefixWord);
      out.kana = std::string(prefixWord) + second.kana;
      out.english = std::string(crown == englishOf.end() ? "" : crown->second) + " " + second.english;
      out.meaning = std::string("冠名＋") + second.meaning;
    } else if (rng.percent(20)) {
      out = {first.kana, first.english, first.meaning};
    } else if (rng.percent(25)) {
      const Word& lead = kLeads[rng.below(kLeadCount)];
      bool two = rng.percent(50);
      out.kana = std::string(lead.kana) + first.kana + (two ? second.kana : "");
      out.english = std::string(lead.english) + " " + first.english + (two ? std::string(" ") + second.english : "");
      out.meaning = std::string(lead.meaning) + first.meaning + (two ? std::string("＋") + second.meaning : "");
    } else {
      out.kana = std::string(first.kana) + second.kana;
      out.english = std::string(first.english) + " " + second.english;
      out.meaning = std::string(first.meaning) + "＋" + second.meaning;
    }
    int length = CharacterCount(out.kana);
    if (first.kana == std::string(second.kana) || length > 9 || length < 2) continue;
    return out;
  }
}

}  // namespace

HorseName MakeHorseName(Rng& rng, std::string_view prefixWord, std::unordered_set<std::string>* taken) {
  NameParts parts;
  for (int tries = 0;; ++tries) {
    parts = PickName(rng, tries < 30 ? prefixWord : "");
    if (!taken || taken->insert(parts.kana).second) break;
  }
  return {Sjis(parts.kana), Sjis(HalfWidthKana(parts.kana)), parts.english, Sjis(parts.meaning)};
}

std::string MakeForeignName(Rng& rng) {
  return std::string(kWords[rng.below(kWordCount)].english) + " " + kWords[rng.below(kWordCount)].english;
}

PersonName MakePersonName(Rng& rng, bool female) {
  const Surname& family = kSurnames[rng.below(kSurnameCount)];
  const Surname& given = female ? kFemaleGiven[rng.below(kFemaleGivenCount)]
                                : kMaleGiven[rng.below(kMaleGivenCount)];
  PersonName out;
  out.full = Sjis(std::string(family.kanji) + "　" + given.kanji);
  out.kana = PadBytes(Sjis(HalfWidthKana(family.kana)), 15) + Sjis(HalfWidthKana(given.kana));
  out.shortName = Sjis(FirstChars(std::string(family.kanji) + FirstChars(given.kanji, 1), 4));
  out.english = std::string(given.english) + " " + family.english;
  return out;
}

OrgName MakeOwnerName(Rng& rng, std::string_view crownWord) {
  OrgName out;
  if (!crownWord.empty() || rng.percent(35)) {
    std::string word = crownWord.empty() ? kWords[rng.below(kWordCount)].kana : std::string(crownWord);
    std::string suffix = kOwnerSuffix[rng.below(static_cast<int>(std::size(kOwnerSuffix)))];
    std::string legal = rng.percent(70) ? "（株）" : "（有）";
    out.name = Sjis(word + suffix);
    out.legalName = Sjis(legal + word + suffix);
    out.kana = Sjis(HalfWidthKana(word + suffix));
    for (const Word& w : kWords) {
      if (word == w.kana) out.english = std::string(w.english) + " Co.,Ltd.";
    }
    return out;
  }
  const Surname& family = kSurnames[rng.below(kSurnameCount)];
  const Surname& given = kMaleGiven[rng.below(kMaleGivenCount)];
  out.name = Sjis(std::string(family.kanji) + given.kanji);
  out.legalName = out.name;
  out.kana = Sjis(HalfWidthKana(std::string(family.kana) + " " + given.kana));
  out.english = std::string(given.english) + " " + family.english;
  return out;
}

OrgName MakeBreederName(Rng& rng) {
  OrgName out;
  std::string suffix = kFarmSuffix[rng.below(static_cast<int>(std::size(kFarmSuffix)))];
  std::string suffixKana = suffix == "牧場" ? "ボクジョウ" : suffix == "ファーム" ? "ファーム" : "スタッド";
  std::string suffixEnglish = suffix == "牧場" ? " Farm" : suffix == "ファーム" ? " Farm" : " Stud";
  std::string base, baseKana, baseEnglish;
  if (rng.percent(60)) {
    const Surname& family = kSurnames[rng.below(kSurnameCount)];
    base = family.kanji;
    baseKana = family.kana;
    baseEnglish = family.english;
  } else {
    const Word& word = kWords[rng.below(kWordCount)];
    base = word.kana;
    baseKana = word.kana;
    baseEnglish = word.english;
  }
  out.name = Sjis(base + suffix);
  out.legalName = rng.percent(40) ? Sjis("（有）" + base + suffix) : out.name;
  out.kana = Sjis(HalfWidthKana(baseKana + suffixKana));
  out.english = baseEnglish + suffixEnglish;
  return out;
}

std::string MakeSilks(Rng& rng) {
  auto colour = [&] { return std::string(kColours[rng.below(static_cast<int>(std::size(kColours)))]); };
  auto pattern = [&] { return std::string(kPatterns[rng.below(static_cast<int>(std::size(kPatterns)))]); };
  std::string silks = colour() + "，" + colour() + pattern();
  if (rng.percent(60)) silks += "，袖" + colour() + pattern();
  return Sjis(silks);
}

Birthplace BreedingPlace(Rng& rng) {
  if (rng.percent(6)) return {Sjis(kForeignPlaces[rng.below(static_cast<int>(std::size(kForeignPlaces)))]), true};
  return {Sjis(kTowns[rng.below(static_cast<int>(std::size(kTowns)))]), false};
}

std::string BreederAddress(Rng& rng) { return rng.percent(92) ? Sjis("北海道") : Sjis("千葉県"); }

RaceName MakeRaceName(std::uint64_t hash, int kind) {
  const Place& place = kPlaces[hash % kPlaceCount];
  struct Suffix {
    const char* name;
    const char* english;
    const char* short2;
    const char* short1;
  };
  static const Suffix kSpecial = {"特別", "Tokubetsu", "特別", "特"};
  static const Suffix kStakes = {"ステークス", "Stakes", "Ｓ", "Ｓ"};
  static const Suffix kGraded[] = {{"記念", "Kinen", "記念", "記"},
                                   {"カップ", "Cup", "Ｃ", "Ｃ"},
                                   {"賞", "Sho", "賞", "賞"},
                                   {"杯", "Hai", "杯", "杯"},
                                   {"ステークス", "Stakes", "Ｓ", "Ｓ"}};
  const Suffix& suffix = kind == 0 ? kSpecial : kind == 1 ? kStakes : kGraded[(hash >> 16) % 5];
  std::string name = std::string(place.kanji) + suffix.name;
  RaceName out;
  out.name = Sjis(name);
  out.english = std::string(place.english) + " " + suffix.english;
  out.short10 = Sjis(FirstChars(name, 10));
  out.short6 = Sjis(FirstChars(std::string(place.kanji) + suffix.short2, 6));
  out.short3 = Sjis(FirstChars(place.kanji, 2) + suffix.short1);
  return out;
}

std::string CourseName(int course) {
  static const std::map<int, const char*> names = {
      {1, "札幌"},  {2, "函館"},  {3, "福島"},  {4, "新潟"},  {5, "東京"},  {6, "中山"},
      {7, "中京"},  {8, "京都"},  {9, "阪神"},  {10, "小倉"}, {30, "門別"}, {35, "盛岡"},
      {42, "浦和"}, {43, "船橋"}, {44, "大井"}, {45, "川崎"}, {46, "金沢"}, {47, "笠松"},
      {48, "名古屋"}, {50, "園田"}, {54, "高知"}, {55, "佐賀"}};
  auto found = names.find(course);
  return Sjis(found == names.end() ? "" : found->second);
}

std::string LocalRaceName(Rng& rng) {
  const Place& place = kPlaces[rng.below(kPlaceCount)];
  static const char* const kinds[] = {"特別", "賞", "盃", "オープン"};
  return Sjis(std::string(place.kanji) + kinds[rng.below(4)]);
}
