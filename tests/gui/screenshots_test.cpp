// "ostravel --screenshots DIR" renders every window without a display, with Japanese text; and
// the window program's command line.

#include "gui/window_arguments.h"
#include "support/temp_dir.h"

#include <QFontDatabase>
#include <QImage>
#include <QProcess>
#include <QSet>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Lines = std::vector<std::string>;

// Distinct colours in a sample of the image's pixels: a blank or one-colour image has few.
int ColourCount(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3) {
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  }
  return static_cast<int>(colours.size());
}

TEST(ScreenshotsTest, RendersEveryWindowAndDialogToPng) {
  EXPECT_FALSE(QFontDatabase::families(QFontDatabase::Japanese).isEmpty())
      << "a font with Japanese glyphs for the offscreen platform";

  TempDir home;
  TempDir shots;
  QProcess program;
  program.start(OSTRAVEL_WINDOW_EXE, {"--home", QString::fromStdString(home.path()),
                                      "--screenshots", QString::fromStdString(shots.file("png"))});
  ASSERT_TRUE(program.waitForFinished(120000));
  ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

  struct Shot {
    const char* name;
    int minWidth;
    int minHeight;
  } expected[] = {
      {"main_1_tabsSet", 784, 541},
      {"main_2_tabsLegacy", 784, 541},
      {"main_3_tabsRtd", 784, 541},
      {"main_4_tabsCustom", 784, 541},
      {"main_5_tabsChikuseki", 784, 541},
      {"main_6_tabsSokuho", 784, 541},
      {"main_7_tabsTimer", 784, 541},
      {"main_8_downloading", 784, 541},
      {"menu_1", 40, 20},
      {"menu_2", 40, 60},
      {"menu_3", 40, 40},
      {"menu_4", 40, 40},
      {"dialog_set_teigi", 300, 300},
      {"dialog_schedule", 200, 80},
      {"setting_1_tabKihon", 400, 400},
      {"setting_2_tabFolder", 400, 400},
      {"setting_2_tabFolderLegacy", 400, 400},
      {"setting_3_tabSet", 400, 400},
      {"setting_4_tabLegacy", 400, 400},
      {"setting_5_tabCustom", 400, 400},
      {"setting_6_tabAutoDate", 400, 400},
      {"dialog_get_directory", 200, 200},
      {"dialog_about", 100, 80},
      {"dialog_emulator_setting", 200, 60},
      {"message_info", 200, 80},
  };
  Lines listed;
  for (const QByteArray& line : program.readAllStandardOutput().split('\n')) {
    if (!line.isEmpty()) listed.push_back(line.toStdString());
  }
  ASSERT_EQ(listed.size(), std::size(expected));
  for (const Shot& shot : expected) {
    SCOPED_TRACE(shot.name);
    std::string file = std::string(shot.name) + ".png";
    EXPECT_NE(std::find(listed.begin(), listed.end(), file), listed.end());
    QImage image(QString::fromStdString(shots.file("png/" + file)));
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), shot.minWidth);
    EXPECT_GE(image.height(), shot.minHeight);
    EXPECT_GT(ColourCount(image), 20) << "text and controls drawn";
  }
  EXPECT_FALSE(std::filesystem::exists(home.file("png"))) << "the home stays the home";
}

TEST(WindowArgumentsTest, TakesItsOptionsAnywhereAndKeepsTheRestInOrder) {
  struct Case {
    Lines args;
    std::string home, store, screenshots;
    Lines window;
    bool error;
  } cases[] = {
      {{}, "", "", "", {}, false},
      {{"AUTO", "1", "2"}, "", "", "", {"AUTO", "1", "2"}, false},
      {{"--home", "/h", "AUTO", "--store=/s", "3"}, "/h", "/s", "", {"AUTO", "3"}, false},
      {{"FTP=ON", "--screenshots", "/p"}, "", "", "/p", {"FTP=ON"}, false},
      {{"--home"}, "", "", "", {}, true},
      {{"AUTO", "--yes"}, "", "", "", {"AUTO"}, true},
  };
  for (const Case& c : cases) {
    WindowArguments parsed = ParseWindowArguments(c.args);
    std::string name;
    for (const std::string& arg : c.args) name += arg + " ";
    EXPECT_EQ(parsed.home.value_or(""), c.home) << name;
    EXPECT_EQ(parsed.store.value_or(""), c.store) << name;
    EXPECT_EQ(parsed.screenshots.value_or(""), c.screenshots) << name;
    EXPECT_EQ(!parsed.error.empty(), c.error) << name;
    EXPECT_EQ(parsed.window, c.window) << name;
  }
}

}  // namespace
