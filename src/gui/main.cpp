// ostravel: the program's window. Options: --home DIR (program folder), --store DIR (the JV-Link
// emulator's store), --screenshots DIR (render every window into DIR and end); then the window's
// own arguments, "AUTO" [preset [race day]] or "FTP=ON".

#include "config/app_dir.h"
#include "gui/message_prompter.h"
#include "gui/qt_text.h"
#include "gui/screenshots.h"
#include "gui/tfrm_main.h"
#include "gui/window_arguments.h"
#include "jvlink/jvlink_emulator.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {

constexpr int kExitUsage = 2;

MainWindowSetup Setup(const std::string& appDir, const WindowArguments& arguments,
                      std::vector<std::string> windowArgs) {
  return {appDir, std::make_unique<JvLinkEmulator>(appDir, arguments.store),
          std::move(windowArgs)};
}

// On the folder of --home, or on a fresh one so that nobody's settings change; nothing runs.
int RenderScreenshots(const WindowArguments& arguments) {
  QTemporaryDir fresh;
  std::string appDir = arguments.home ? ResolveAppDir(arguments.home) : U(fresh.path());
  StderrPrompter prompter;
  TfrmMain window(Setup(appDir, arguments, {}), prompter);
  std::string error;
  std::vector<QString> files = SaveScreenshots(window, Q(*arguments.screenshots), error);
  window.close();
  if (!error.empty()) {
    std::cerr << error << '\n';
    return EXIT_FAILURE;
  }
  for (const QString& file : files) std::cout << U(file) << '\n';
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Rendering needs no display.
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--screenshots", 13) == 0) qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Ostravel");

  std::vector<std::string> args;
  for (const QString& arg : QCoreApplication::arguments().mid(1)) args.push_back(U(arg));
  WindowArguments arguments = ParseWindowArguments(args);
  if (!arguments.error.empty()) {
    std::cerr << arguments.error << "\nusage: ostravel [--home DIR] [--store DIR] "
              << "[--screenshots DIR] [AUTO [preset [race day]] | FTP=ON]\n";
    return kExitUsage;
  }
  if (arguments.screenshots) return RenderScreenshots(arguments);

  std::string appDir = ResolveAppDir(arguments.home);
  QtMessagePrompter prompter;
  TfrmMain window(Setup(appDir, arguments, arguments.window), prompter);
  window.show();
  return QApplication::exec();
}
