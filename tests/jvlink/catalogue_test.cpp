#include "jvlink/data_kind_catalogue.h"
#include "jvlink/record_file_name.h"
#include "jvlink/result_text.h"

#include <gtest/gtest.h>

namespace {

TEST(DataKindCatalogue, LabelsNamesAndOptions) {
  std::string text = "unchanged";
  DataSpecLabel(2, 3, text);
  EXPECT_EQ(text, "RACE ：レース情報");
  DataSpecLabel(13, 1, text);
  EXPECT_EQ(text, "MING");
  DataSpecLabel(7, 2, text);
  EXPECT_EQ(text, "特別登録馬情報補てん");
  for (auto [index, form] : {std::pair{0, 1}, {14, 1}, {1, 0}, {1, 4}}) {
    text = "unchanged";
    DataSpecLabel(index, form, text);
    EXPECT_EQ(text, "unchanged") << index << "," << form;
  }

  EXPECT_EQ(RealTimeSpecName("0B15"), "速報レース情報");
  EXPECT_EQ(RealTimeSpecName("0B35"), "速報オッズ（３連複）");
  EXPECT_EQ(RealTimeSpecName("0B51"), "速報重賞式(WIN5)");
  EXPECT_EQ(RealTimeSpecName("0B99"), "速報データ");

  text = "unchanged";
  DataKindName(4, text);
  EXPECT_EQ(text, "unchanged");
  DataKindName(3, text);
  EXPECT_EQ(text, "セットアップ");
}

TEST(ErrorText, CodeTextInFullWidthParentheses) {
  EXPECT_EQ(ErrorText(0), "0 （正常）");
  EXPECT_EQ(ErrorText(-1), "-1 （該当データなし）");
  EXPECT_EQ(ErrorText(-402), "-402 （ダウンロードしたファイルが異常（サイズ=0））");
  EXPECT_EQ(ErrorText(-413), "-413 （サーバエラー（HTTPステータス200,403,404以外））");
  EXPECT_EQ(ErrorText(-777), "-777 （その他エラー）");
}

TEST(RecordFileName, BothPatternsAndEveryElement) {
  JVLINK_PARA request;
  request.DataSpec = "RACE";
  request.FromTime = "20230101000000";
  request.Option = 1;
  request.Key = "20230105";
  request.OutDir = "/out";
  request.RtDate = "20230105";
  request.RtJyo = "05";
  request.RtRace = "11";
  struct Case {
    std::array<std::string, 5> parts;
    std::uint8_t pattern;
    bool realtime;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {{"DS", "RS"}, 0, false, "/out/RACE_RA.txt"},
      {{"DS", "RS"}, 0, true, "/out/S_RACE_RA.txt"},
      {{"DS", "RS", "FT"}, 0, false, "/out/RACE_RA_2301010000.txt"},
      {{"DS", "RS", "OP", "FT"}, 2, false, "/out/RACE_RA_1_2301010000.txt"},
      {{"DS", "RS", "KEY"}, 0, true, "/out/S_RACE_RA_20230105.txt"},
      {{"schedule"}, 0, false, "/out/schedule.txt"},
      {{"DS", "", "RS"}, 0, false, "/out/RACE.txt"},
      {{"DS", "RS"}, 1, false, "/out/RA_20230101000000.txt"},
      {{"DS", "RS"}, 1, true, "/out/SOKUHO_20230105_RA_0511.txt"},
  };
  for (const Case& c : cases) {
    request.NameParts = c.parts;
    request.NamingPattern = c.pattern;
    EXPECT_EQ(RecordFileName(request, c.realtime, "RA"), c.expected);
  }
  request.OutDir = "/out/";
  request.NamingPattern = 0;
  request.NameParts = {"DS", "RS"};
  EXPECT_EQ(RecordFileName(request, false, "SE"), "/out/RACE_SE.txt");
}

}  // namespace
