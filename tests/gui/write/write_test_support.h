// Helpers of the write tests: a user who answers the modal dialogs, a port that holds a
// transmission, standard-error capture, and the example algorithms.
#pragma once

#include <QApplication>
#include <QDateEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>
#include <thread>
#include <utility>
#include <vector>

#include "algorithm/algorithm.h"
#include "device/port.h"
#include "gui/framework/dialog.h"
#include "tests/gui/framework/test_support.h"

namespace lunda::test {

// Plays the user's part: each step runs on the next dialog that becomes the active modal widget.
// A date or instruction dialog met with no step left is cancelled, so that a wrong sequence
// fails the test instead of hanging it.
class ModalDriver : public QObject {
 public:
  using Step = std::function<void(CDialog&)>;

  ModalDriver() {
    poll.setInterval(1);
    connect(&poll, &QTimer::timeout, this, &ModalDriver::Tick);
    poll.start();
  }

  ModalDriver& Then(Step step) {
    steps.push_back(std::move(step));
    return *this;
  }

  std::vector<int> seen;  // template ids of the dialogs met, in order
  [[nodiscard]] bool Done() const { return steps.empty(); }

 private:
  void Tick() {
    QWidget* active = QApplication::activeModalWidget();
    if (active == current) return;
    current = active;
    auto* dialog = qobject_cast<CDialog*>(active);
    if (!dialog) return;
    seen.push_back(dialog->TemplateId());
    if (!steps.empty()) {
      Step step = std::move(steps.front());
      steps.pop_front();
      step(*dialog);
    } else if (dialog->GetDlgItem(2)) {
      dialog->EndDialog(2);
    }
  }

  QTimer poll;
  QPointer<QWidget> current;
  std::deque<Step> steps;
};

inline void Click(CDialog& dialog, int id) {
  auto* button = dialog.Control<QPushButton>(id);
  QVERIFY(button);
  QTest::mouseClick(button, Qt::LeftButton);
}

inline QDateEdit* Picker(CDialog& dialog) { return dialog.Control<QDateEdit>(1507); }

// Picks date in the date dialog and presses "Дальше".
inline ModalDriver::Step AcceptDate(QDate date) {
  return [date](CDialog& dialog) {
    Picker(dialog)->setDate(date);
    Click(dialog, 1);
  };
}
inline ModalDriver::Step Press(int id) {
  return [id](CDialog& dialog) { Click(dialog, id); };
}

// Passes writes on, but keeps the transmit thread waiting while held; the UI thread's own
// writes (the rest level) always go through. A hold gives up after a few seconds, so that code
// that wrongly waits for the thread fails its test instead of hanging it.
class HeldPort final : public Port {
 public:
  explicit HeldPort(Port& inner) : inner(inner) {}

  void Write(std::uint8_t value) override {
    if (std::this_thread::get_id() != uiThread) {
      const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(3);
      while (held.load()) {
        if (std::chrono::steady_clock::now() > giveUp) held = false;
        std::this_thread::yield();
      }
    }
    inner.Write(value);
  }
  [[nodiscard]] std::uint8_t Read() override { return inner.Read(); }
  [[nodiscard]] std::optional<PortFault> LastFault() const override { return inner.LastFault(); }

  std::atomic<bool> held{false};

 private:
  Port& inner;
  std::thread::id uiThread = std::this_thread::get_id();
};

// What is written to std::cerr while it lives.
class StderrCapture {
 public:
  StderrCapture() : previous(std::cerr.rdbuf(text.rdbuf())) {}
  ~StderrCapture() { std::cerr.rdbuf(previous); }
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;

  [[nodiscard]] std::string Text() const { return text.str(); }

 private:
  std::ostringstream text;
  std::streambuf* previous;
};

inline const std::filesystem::path kExamples = LUNDA_EXAMPLES_DATA;

// A fresh example algorithm, as the catalogue loads it.
inline std::unique_ptr<CAlgorithm> LoadExample(const char* cfg = "fire.cfg") {
  auto algorithm = std::make_unique<CAlgorithm>();
  if (!algorithm->Load(kExamples / cfg, kExamples)) return nullptr;
  return algorithm;
}

// The bytes `lunda-cli image` writes for that algorithm and date: a fresh load, patched.
inline std::vector<std::uint8_t> ExpectedImage(const char* cfg, QDate date) {
  auto algorithm = LoadExample(cfg);
  if (!algorithm || !algorithm->PatchImage({date.year(), date.month(), date.day()})) return {};
  return {algorithm->image.begin(), algorithm->image.begin() + algorithm->imageSize};
}

}  // namespace lunda::test
