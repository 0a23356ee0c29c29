#include "gui/tfrm_get_directory.h"

#include "config/tconfig.h"
#include "gui/dialog_buttons.h"
#include "gui/qt_text.h"
#include "util/host.h"

#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The folder without its trailing "/"; the root stays "/".
std::string WithoutTrailingSlash(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

}  // namespace

TfrmGetDirectory::TfrmGetDirectory(const std::string& caption, const std::string& startPath,
                                   const std::string& defaultSubfolder, const TConfig& config,
                                   Host& host, QWidget* parent)
    : QDialog(parent), config_(config), host_(host), defaultSubfolder_(defaultSubfolder) {
  BuildForm();
  if (!caption.empty()) setWindowTitle(Q(caption));
  if (!startPath.empty()) {
    if (IsFolder(startPath)) ShowFolderInTree(startPath);
    edtPath->setText(Q(startPath));
  } else {
    ShowFolderInTree(config_.AppDir);
    edtPath->setText(Q(defaultSubfolder_.empty() ? config_.AppDir
                                                 : config_.AppDir + "/" + defaultSubfolder_));
  }
  // Only the user's moves in the tree rewrite the path edit.
  connect(lstDirectory->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { DirectoryChanged(folders_->filePath(current)); });
}

void TfrmGetDirectory::BuildForm() {
  setWindowTitle("ディレクトリの設定");
  setObjectName("frmGetDirectory");
  resize(420, 420);
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox("ディレクトリを指定して下さい", this);
  auto* groupLayout = new QVBoxLayout(group);

  auto* pathRow = new QHBoxLayout;
  edtPath = new QLineEdit(group);
  edtPath->setObjectName("edtPath");
  pathRow->addWidget(new QLabel("ディレクトリ：", group));
  pathRow->addWidget(edtPath, 1);
  groupLayout->addLayout(pathRow);

  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folders_->setRootPath("/");
  lstDirectory = new QTreeView(group);
  lstDirectory->setObjectName("lstDirectory");
  lstDirectory->setModel(folders_);
  for (int column = 1; column < folders_->columnCount(); ++column) {
    lstDirectory->hideColumn(column);
  }
  lstDirectory->header()->hide();
  groupLayout->addWidget(lstDirectory, 1);
  layout->addWidget(group, 1);

  btnOk = AddOkCancelButtons(this, layout);
  connect(btnOk, &QPushButton::clicked, this, &TfrmGetDirectory::btnOkClick);
}

void TfrmGetDirectory::ShowFolderInTree(const std::string& folder) {
  QModelIndex index = folders_->index(Q(folder));
  if (!index.isValid()) return;
  lstDirectory->setCurrentIndex(index);
  lstDirectory->scrollTo(index);
}

void TfrmGetDirectory::DirectoryChanged(const QString& folder) {
  std::string path = WithoutTrailingSlash(U(folder.trimmed()));
  std::string subfolder = U(Q(defaultSubfolder_).trimmed());
  if (!subfolder.empty()) path += (path == "/" ? "" : "/") + subfolder;
  edtPath->setText(Q(path));
}

std::string TfrmGetDirectory::ChosenDirectory() const {
  return WithoutTrailingSlash(U(edtPath->text()));
}

// A relative path would name a folder under whatever the current folder happens to be.
bool TfrmGetDirectory::Refused(const std::string& path) const {
  return U(Q(path).trimmed()).empty() || path.front() != '/' || path == config_.AppDir ||
         path == config_.TempDir;
}

void TfrmGetDirectory::btnOkClick() {
  const std::string path = U(edtPath->text());
  if (Refused(path)) {
    host_.warn(kUnsuitableDirectory);
    edtPath->setFocus();
    return;
  }
  if (!IsFolder(path)) {
    if (host_.ask("ディレクトリ " + path + " は存在しません" + "\r\n" + "新しく作成しますか？") !=
        Answer::Yes) {
      edtPath->setFocus();
      return;
    }
    std::error_code error;
    fs::create_directories(path, error);
    if (!IsFolder(path)) {
      host_.error("フォルダを作成できませんでした。\r\n\r\n" + path);
      edtPath->setFocus();
      return;
    }
  }
  accept();
}

std::optional<std::string> AskDirectory(const std::string& caption, const std::string& startPath,
                                        const std::string& defaultSubfolder,
                                        const TConfig& config, Host& host, QWidget* parent) {
  TfrmGetDirectory dialog(caption, startPath, defaultSubfolder, config, host, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.ChosenDirectory();
}
