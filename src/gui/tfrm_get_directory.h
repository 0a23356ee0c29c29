#pragma once
// "ディレクトリの設定": the folder picker of the output folders. A path edit and a folder tree
// linked to it; refuses an empty or relative path, the program's folder and its work folder
// "Temp", and offers to create a folder that does not exist. Messages go through the Host.

#include <QDialog>

#include <optional>
#include <string>

class Host;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;
class TConfig;

// The picker's refusal; the options dialog gives it for the work folder too.
constexpr const char* kUnsuitableDirectory =
    "ふさわしくないディレクトリが指定されました\r\n指定し直して下さい。";

class TfrmGetDirectory : public QDialog {
  Q_OBJECT

 public:
  // A non-empty caption replaces the window caption. The path edit starts at `startPath` (the
  // tree moves there when it exists); without one at the program's folder, followed by
  // `defaultSubfolder` when that is given.
  TfrmGetDirectory(const std::string& caption, const std::string& startPath,
                   const std::string& defaultSubfolder, const TConfig& config, Host& host,
                   QWidget* parent = nullptr);

  // The path edit's text without a trailing "/".
  std::string ChosenDirectory() const;
  // "OK": refusals, the create question, and closing with OK for an existing or created folder.
  void btnOkClick();

 private:
  void BuildForm();
  void ShowFolderInTree(const std::string& folder);
  void DirectoryChanged(const QString& folder);
  bool Refused(const std::string& path) const;

  const TConfig& config_;
  Host& host_;
  std::string defaultSubfolder_;

  QLineEdit* edtPath = nullptr;
  QTreeView* lstDirectory = nullptr;
  QFileSystemModel* folders_ = nullptr;
  QPushButton* btnOk = nullptr;
};

// Shows the picker modally: the chosen folder without a trailing "/", or nothing when it was
// cancelled.
std::optional<std::string> AskDirectory(const std::string& caption, const std::string& startPath,
                                        const std::string& defaultSubfolder,
                                        const TConfig& config, Host& host,
                                        QWidget* parent = nullptr);
