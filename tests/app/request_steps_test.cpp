// The log writers, the folder check and the two request steps, through the emulator.

#include "support/core_fixture.h"
#include "support/temp_dir.h"
#include "util/result_codes.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

using RequestStepTest = CoreTest;

TEST_F(RequestStepTest, AddLogClearsAPaneHoldingMoreThan500Lines) {
  struct Case {
    int held;
    Lines expectedTail;
    int expectedCount;
  } cases[] = {
      {500, {"", "x", ""}, 503},
      {501, {"", "x", ""}, 3},
  };
  for (const Case& c : cases) {
    host.mainPane.clear();
    for (int i = 0; i < c.held; ++i) host.mainPane.appendLine("old");
    int pumps = host.pumpCount;

    core.AddLog("x", 1, 1);
    EXPECT_EQ(host.mainPane.lineCount(), c.expectedCount) << c.held;
    Lines tail(Log().end() - 3, Log().end());
    EXPECT_EQ(tail, c.expectedTail);
    EXPECT_EQ(host.pumpCount, pumps + 1);
  }
}

TEST_F(RequestStepTest, AppendLogExtendsTheLastLine) {
  core.AddLog("> 蓄積(RACE)", 0, 0);
  core.AppendLog("…… OK");
  EXPECT_EQ(Log(), Lines{"> 蓄積(RACE) …… OK"});
  EXPECT_EQ(host.pumpCount, 2);
}

TEST_F(RequestStepTest, EnsureOutDirAsksAndCreatesTheMissingFolder) {
  const std::string missing = store.root.file("a/b/c");
  const std::string question = "出力用に指定された以下のフォルダが存在しません。\r\n\r\n" + missing +
                               "\r\n\r\n\r\n新しく作成しますか？";
  core.Config().OutDir[18] = missing;

  EXPECT_EQ(core.EnsureOutDir(18), kResultCancelled);
  EXPECT_EQ(host.texts(HostMessage::Ask), Lines{question});
  EXPECT_FALSE(fs::exists(missing));

  host.answers.push_back(Answer::Yes);
  EXPECT_EQ(core.EnsureOutDir(18), kResultOk);
  EXPECT_TRUE(fs::is_directory(missing));

  EXPECT_EQ(core.EnsureOutDir(18), kResultOk);
  EXPECT_EQ(host.texts(HostMessage::Ask).size(), 2u) << "an existing folder is not asked about";

  // An empty slot falls back to the representative folder, which exists.
  EXPECT_EQ(core.EnsureOutDir(19), kResultOk);
}

TEST_F(RequestStepTest, EnsureOutDirReportsAFolderThatCannotBeCreated) {
  WriteAll(store.root.file("file"), "x");
  core.Config().OutDir[18] = store.root.file("file/sub");
  host.answers.push_back(Answer::Yes);

  EXPECT_EQ(core.EnsureOutDir(18), kResultFailed);
  EXPECT_EQ(host.texts(HostMessage::Error),
            Lines{"フォルダを作成できませんでした。\r\n\r\n" + store.root.file("file/sub")});
}

TEST_F(RequestStepTest, StoredRequestLogsEachOutcome) {
  const std::string ra = Record("RA", "20230105", "a");
  struct Case {
    const char* name;
    const char* storeIni;
    bool withData;
    int result;
    Lines log;
  } cases[] = {
      {"ok", "", true, kResultOk, {"> 蓄積(RACE) …… OK"}},
      {"no data", "", false, kResultNoData, {"> 蓄積(RACE) データなし"}},
      {"JV-Link error", "[Faults]\r\nOpenResult=-504\r\n", true, kResultFailed,
       {"> 蓄積(RACE) …… ERROR", "", "> -504 （サーバメンテナンス中）"}},
      {"own failure", "[Faults]\r\nStatusOverCount=1\r\n", true, kResultFailed,
       {"> 蓄積(RACE) …… ERROR", "", "> -999 （Ostravel固有のエラー）",
        "> JVStatus のファイル数（2）が JVOpen のダウンロード数（1）を超えました"}},
  };
  for (const Case& c : cases) {
    StoreFixture fresh;
    if (c.withData) fresh.AddStored("RACE", "RARA", "20230105", "20230106120000", {ra});
    fresh.WriteStoreIni(c.storeIni);
    RecordingHost quiet;
    TAppCore other(quiet, fresh.programDir, fresh.Emulator());
    other.Start();
    other.Session().SetPollInterval(std::chrono::milliseconds{0});
    quiet.mainPane.clear();
    other.Request = fresh.StoredRequest();

    EXPECT_EQ(other.RunStoredRequest(), c.result) << c.name;
    EXPECT_EQ(quiet.mainPane.lines(), c.log) << c.name;
    EXPECT_EQ(other.OkCount, c.result == kResultOk ? 1 : 0) << c.name;
  }
}

TEST_F(RequestStepTest, CancelDuringTheDownloadWait) {
  for (const char* stamp : {"20230106120000", "20230107120000"}) {
    store.AddStored("RACE", "RARA", "20230105", stamp, {Record("RA", "20230105", "a")});
  }
  store.WriteStoreIni("[Store]\r\nPace=1\r\n");
  host.onPump = [this] {
    if (host.mainPane.lineCount() == 1) core.Cancel();
  };
  core.Request = store.StoredRequest();

  EXPECT_EQ(core.RunStoredRequest(), kResultCancelled);
  EXPECT_EQ(Log(), (Lines{"> 蓄積(RACE)", "", "> キャンセルされました"}));
  EXPECT_FALSE(fs::exists(store.Out("RACE_RA.txt")));
}

TEST_F(RequestStepTest, RealtimeRequestLogsKindKeyAndOutcome) {
  store.AddRealtime("0B12", "20230105", {Record("RA", "20230105", "a")});
  struct Case {
    const char* key;
    int result;
    Lines log;
  } cases[] = {
      {"20230105", kResultOk, {"> 速報レース情報(0B12)", "> 20230105 …… OK"}},
      {"20230106", kResultNoData, {"> 速報レース情報(0B12)", "> 20230106 …… 該当データなし"}},
      // A bad key is logged again after JV-Link's text.
      {"2023015", kResultFailed,
       {"> 速報レース情報(0B12)", "> 2023015 …… ERROR", "", "> -114 （keyパラメタが不正）", "",
        "> 2023015"}},
  };
  for (const Case& c : cases) {
    host.mainPane.clear();
    core.Request = JVLINK_PARA{};
    core.Request.DataSpec = "0B12";
    core.Request.Key = c.key;
    core.Request.OutDir = store.outDir;
    core.Request.NameParts = {"DS", "RS", "", "", ""};

    EXPECT_EQ(core.RunRealtimeRequest(), c.result) << c.key;
    EXPECT_EQ(Log(), c.log) << c.key;
  }
  EXPECT_EQ(ReadAll(store.Out("S_0B12_RA.txt")), Record("RA", "20230105", "a"));
}

}  // namespace
