#pragma once

// Builds the main window the way the program does, with real backends rooted
// in a temporary folder and small fakes for what cannot run in a test (modal
// boxes and dialogs, the print preview, by default the network share).

#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ini_file.h"
#include "platform/programs.h"
#include "platform/qt/folder_dialog.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/report.h"
#include "platform/registry.h"
#include "platform/shares.h"
#include "platform/trace.h"
#include "wizard/frmmain.h"

namespace tw::test {

struct Box {
  enum Kind { Information, Confirm, Error, Warning } kind;
  QString text;
};

class FakeMessageBoxes : public MessageBoxes {
 public:
  std::vector<Box> shown;
  std::deque<bool> confirmAnswers;  // answered in order; No when none is left

  void Information(QWidget*, const QString& text) override { shown.push_back({Box::Information, text}); }
  bool Confirm(QWidget*, const QString& text) override {
    shown.push_back({Box::Confirm, text});
    if (confirmAnswers.empty()) return false;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
  }
  void Error(QWidget*, const QString& text) override { shown.push_back({Box::Error, text}); }
  void Warning(QWidget*, const QString& text) override { shown.push_back({Box::Warning, text}); }
};

class FakeFolderDialog : public FolderDialog {
 public:
  struct Call {
    QString startFolder;
    QString title;
  };
  std::vector<Call> calls;
  std::optional<QString> nextAnswer;  // nothing: the user cancels

  std::optional<QString> Choose(QWidget*, const QString& startFolder, const QString& title) override {
    calls.push_back({startFolder, title});
    return nextAnswer;
  }
};

class FakeReportPreview : public ReportPreview {
 public:
  std::vector<int> pagesShown;  // prepared pages at each showing
  void ShowPreparedReport(QWidget*, TReport& report) override;
};

class FakeShareService : public ShareService {
 public:
  std::vector<std::string> calls;         // "delete NAME", "add NAME FOLDER"
  std::optional<std::string> addFailure;  // the reason AddShare throws
  void DeleteShare(const std::string& name) noexcept override;
  void AddShare(const ShareSettings& settings) override;
};

class RecordingTraceSink : public TraceSink {
 public:
  std::vector<std::string> records;
  void Write(const std::string& record) noexcept override { records.push_back(record); }
};

struct WindowOptions {
  enum class Installer { StandIn, None, Folder } installer = Installer::StandIn;
  // The name the installer file is staged under in the wizard folder.
  std::string installerName = "TELLWICK4SETUP.EXE";
  ShareService* shares = nullptr;  // nothing: a FakeShareService
  std::string computerName = "RECEPTION";
};

class WindowFixture {
 public:
  explicit WindowFixture(WindowOptions options = {});
  ~WindowFixture();

  QString Root() const { return root.path(); }
  std::string RootPath() const { return root.path().toStdString(); }
  std::string WizardFolder() const;  // with its trailing separator
  std::string SimLog() const;        // the product stand-in's argument log
  std::vector<std::string> SimLogLines() const;

  QTemporaryDir root;
  std::unique_ptr<Registry> registry;
  std::unique_ptr<IniFiles> iniFiles;
  std::unique_ptr<ProgramStarter> programs;
  FakeShareService fakeShares;
  RecordingTraceSink trace;
  FakeMessageBoxes messages;
  FakeFolderDialog folderDialog;
  FakeReportPreview reportPreview;
  std::unique_ptr<TfrmMain> window;

 private:
  QByteArray savedConfigHome_;
  QByteArray savedSimLog_;
};

// Walks the window from the Intro page to `page` along its branch with the
// given folder text, pressing Next (and accepting the licence) as a user would.
void WalkTo(TfrmMain& window, Page page, const QString& folder = QStringLiteral("/srv/Tellwick"));

}  // namespace tw::test
