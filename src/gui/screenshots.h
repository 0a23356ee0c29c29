#pragma once
// Renders the main window with each page in front, its menus and every dialog it opens into PNG
// files, for reviewing the look without a display (the offscreen platform).

#include <QString>

#include <string>
#include <vector>

class TfrmMain;

// The names of the files written into `folder` (created when missing); empty with `error` set
// when one could not be written.
std::vector<QString> SaveScreenshots(TfrmMain& window, const QString& folder, std::string& error);
