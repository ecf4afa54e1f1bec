#include "platform/qt/launcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <exception>
#include <thread>

namespace tw {

namespace {

// Closing the window would end the wizard half way through the program's
// work, so it stays open until the program has ended.
class KeepOpen : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Close) return false;
    event->ignore();
    return true;
  }
};

// The window as the user left it, taken out of use for the length of a run.
class WindowOutOfUse {
 public:
  explicit WindowOutOfUse(QWidget* window) : window_(window) {
    if (!window_) return;
    focus_ = window_->focusWidget();
    window_->installEventFilter(&keepOpen_);
    window_->setEnabled(false);
  }
  ~WindowOutOfUse() {
    if (!window_) return;
    // Clicks and keys given during the run reach the window while it is
    // still disabled, and so are dropped instead of acting on a later page.
    QCoreApplication::processEvents();
    window_->setEnabled(true);
    window_->removeEventFilter(&keepOpen_);
    if (focus_ && focus_->isEnabled()) focus_->setFocus();
  }
  WindowOutOfUse(const WindowOutOfUse&) = delete;
  WindowOutOfUse& operator=(const WindowOutOfUse&) = delete;

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> focus_;
  KeepOpen keepOpen_;
};

}  // namespace

std::optional<int> TLauncher::RunAndWait() {
  if (running_ || FileName.isEmpty()) return std::nullopt;
  const std::unique_ptr<Program> program = starter_.Start(FileName.toStdString(), Parameters.toStdString());

  int exitCode = 0;
  std::exception_ptr failure;
  {
    running_ = true;
    struct NotRunning {
      bool& running;
      ~NotRunning() { running = false; }
    } notRunning{running_};
    WindowOutOfUse outOfUse(window_);

    // The window is painted by this loop while the program runs; a thread
    // blocks on the program and ends the loop through the event queue, so
    // nothing polls.
    QEventLoop loop;
    std::thread waiter([&] {
      try {
        exitCode = program->WaitForExit();
      } catch (...) {
        failure = std::current_exception();
      }
      QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    struct Joined {
      std::thread& thread;
      ~Joined() { thread.join(); }
    } joined{waiter};
    // Should the application be told to quit meanwhile, the loop ends early
    // and the join waits for the program.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  if (failure) std::rethrow_exception(failure);
  if (OnFinished) OnFinished(exitCode);
  return exitCode;
}

void TLauncher::RunDetached() {
  if (running_ || FileName.isEmpty()) return;
  starter_.StartDetached(FileName.toStdString(), Parameters.toStdString());
}

}  // namespace tw
