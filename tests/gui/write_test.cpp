// "Запись" driven through its dialogs as a user would, on a fake clock: the date, the
// instructions, the progress dialog, the port's rest level, and the image the controller gets.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <system_error>
#include <thread>

#include "algorithm/catalogue.h"
#include "device/simulated_controller.h"
#include "device/transfer_report.h"
#include "gui/framework/date_picker.h"
#include "gui/framework/progress_bar.h"
#include "gui/ui/main_dlg.h"
#include "gui/write/date_dlg.h"
#include "gui/write/prepare_dlg.h"
#include "gui/write/write_dlg.h"
#include "gui/write/write_sequence.h"
#include "gui_driver.h"
#include "message_box_recorder.h"
#include "modal_script.h"
#include "tests/device/fake_clock.h"
#include "tests/device/fake_scheduler.h"
#include "tests/device/recording_port.h"

namespace lunda {
namespace {

using test::ModalScript;

constexpr int kDate = CDateDlg::kTemplateId;
constexpr int kPrepare = CPrepareDlg::kTemplateId;
constexpr int kWrite = CWriteDlg::kTemplateId;
constexpr std::int64_t kFrequency = 10'000'000;
constexpr std::int64_t kSettleTicks = kFrequency / 10;

const std::filesystem::path kExamples = std::filesystem::absolute(LUNDA_EXAMPLES_DATA);

// A fresh example algorithm, as the catalogue loads it.
std::unique_ptr<CAlgorithm> LoadExample(const char* cfg = "fire.cfg") {
  auto algorithm = std::make_unique<CAlgorithm>();
  if (!algorithm->Load(kExamples / cfg, kExamples)) return nullptr;
  return algorithm;
}

std::vector<std::uint8_t> ImageOf(const CAlgorithm& algorithm) {
  return {algorithm.image.begin(), algorithm.image.begin() + algorithm.imageSize};
}

CalendarDate Shown(CDialog& dateDialog) {
  return CDateTimeCtrl(dateDialog, CDateDlg::kPickerId).GetDate().value_or(CalendarDate{});
}

// Picks date in the date dialog and presses "Дальше".
ModalScript::Step AcceptDate(CalendarDate date) {
  return [date](CDialog& dialog) {
    test::PickDate(dialog, CDateDlg::kPickerId, date);
    test::Click(dialog, kIdOk);
  };
}

ModalScript::Step Press(int id) {
  return [id](CDialog& dialog) { test::Click(dialog, id); };
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

TEST(WriteSequenceTest, CancelInTheDateDialogOnlySetsThePortToRest) {
  auto algorithm = LoadExample();
  ASSERT_TRUE(algorithm);
  const auto image = ImageOf(*algorithm);
  FakeClock clock(kFrequency);
  FakeScheduler scheduler;
  RecordingPort port(clock);
  CalendarDate shown;
  ModalScript script;
  script.Then([&](CDialog& dialog) {
    shown = Shown(dialog);
    test::Click(dialog, kIdCancel);
  });
  RunWriteSequence({port, clock, scheduler}, *algorithm, nullptr);
  EXPECT_EQ(script.seen, std::vector<int>{kDate});
  const std::time_t now = std::time(nullptr);
  const std::tm* today = std::localtime(&now);
  EXPECT_EQ(shown, (CalendarDate{today->tm_year + 1900, today->tm_mon + 1, today->tm_mday}));
  ASSERT_EQ(port.writes.size(), 1u);
  EXPECT_EQ(port.writes[0].value, kPortRestLevel);
  EXPECT_EQ(clock.Peek(), kSettleTicks);
  EXPECT_TRUE(ImageOf(*algorithm) == image);
}

TEST(WriteSequenceTest, CancelInTheInstructionsReturnsToTheDateJustAccepted) {
  auto algorithm = LoadExample();
  ASSERT_TRUE(algorithm);
  FakeClock clock(kFrequency);
  FakeScheduler scheduler;
  RecordingPort port(clock);
  const CalendarDate picked{2031, 7, 19};
  CalendarDate shownAgain;
  ModalScript script;
  script.Then(AcceptDate(picked))
      .Then([](CDialog& dialog) { test::CloseBox(dialog); })  // like "Отмена"
      .Then([&](CDialog& dialog) {
        shownAgain = Shown(dialog);
        test::Click(dialog, kIdCancel);
      });
  RunWriteSequence({port, clock, scheduler}, *algorithm, nullptr);
  EXPECT_EQ(script.seen, (std::vector<int>{kDate, kPrepare, kDate}));
  EXPECT_EQ(shownAgain, picked);
  EXPECT_EQ(port.writes.size(), 1u);
}

// Each write goes on through Enter, Esc and the close box, sends the picked date, shows the bar
// full when its dialog closes and leaves the port at rest; the second sends the same image.
TEST(WriteSequenceTest, TwoWritesInARowSendThePickedDate) {
  auto algorithm = LoadExample("pump.cfg");
  ASSERT_TRUE(algorithm);
  const CalendarDate picked{2024, 2, 29};
  auto expected = LoadExample("pump.cfg");
  ASSERT_TRUE(expected->PatchImage(picked));
  FakeClock clock(kFrequency, 250);
  FakeScheduler scheduler;
  SimulatedController controller(clock);
  HeldPort port(controller);
  for (int i = 0; i < 2; ++i) {
    int barAtClose = -1;
    bool stayedOpen = false;
    CWriteDlg* progress = nullptr;
    // The transmission waits until the progress dialog is on screen, so that the bar is seen
    // from the start to the close.
    port.held = true;
    ModalScript script;
    script.Then(AcceptDate(picked)).Then(Press(kIdOk)).Then([&](CDialog& dialog) {
      progress = static_cast<CWriteDlg*>(&dialog);
      test::Press(test::Key::kEnter);
      test::Press(test::Key::kEscape);
      test::CloseBox(dialog);
      test::WaitUntil([] { return false; }, 30);  // a few timer ticks
      stayedOpen =
          dialog.IsWindowVisible() && CProgressCtrl(dialog, CWriteDlg::kProgressId).GetPos() == 0;
      port.held = false;
      test::WaitUntil([&] {
        barAtClose = CProgressCtrl(dialog, CWriteDlg::kProgressId).GetPos();
        return !dialog.IsWindowVisible();
      });
    });
    StderrCapture err;
    RunWriteSequence({port, clock, scheduler, &controller}, *algorithm, nullptr);
    EXPECT_EQ(script.seen, (std::vector<int>{kDate, kPrepare, kWrite}));
    EXPECT_TRUE(stayedOpen);
    EXPECT_NE(progress, nullptr);
    EXPECT_EQ(barAtClose, 5120);
    const TransferReport report = controller.Report();
    EXPECT_TRUE(report.bytes == ImageOf(*expected));
    EXPECT_TRUE(IsGoodTransfer(report));
    EXPECT_EQ(controller.Read(), kPortRestLevel);
    EXPECT_EQ(err.Text(), "Scheduling: real-time\n" + FormatTransferReport(report));
  }
}

TEST(WriteSequenceTest, APortThatFailsMidWriteIsReported) {
  auto algorithm = LoadExample();
  ASSERT_TRUE(algorithm);
  FakeClock clock(kFrequency, 250);
  FakeScheduler scheduler;
  RecordingPort port(clock);
  port.failAfter = 1 + 24 * 10;  // the rest level, then ten bytes of 24 writes
  test::MessageBoxRecorder recorder;
  ModalScript script;
  script.Then(AcceptDate({2030, 1, 1})).Then(Press(kIdOk)).Then([](CDialog&) {});
  RunWriteSequence({port, clock, scheduler}, *algorithm, nullptr);
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].icon, MessageIcon::kError);
  EXPECT_EQ(recorder.boxes[0].text,
            "Запись прервана. Запись в порт /dev/parport0 не удалась: не отключён ли порт или его "
            "модуль ядра?\nПрибор получил 9 байт из 5120. Запишите алгоритм ещё раз.");
  EXPECT_EQ(port.writes.back().value, kPortRestLevel);
  // The rest level only after the controller has had its 100 ms to settle.
  EXPECT_GE(port.writes.back().time - port.writes[port.writes.size() - 2].time, kSettleTicks);
}

// Only a date the picker itself cannot offer makes the patch fail; nothing is sent then.
TEST(WriteSequenceTest, AnImageThatCannotBeBuiltIsReportedAndNothingSent) {
  auto algorithm = LoadExample();
  ASSERT_TRUE(algorithm);
  FakeClock clock(kFrequency);
  FakeScheduler scheduler;
  RecordingPort port(clock);
  test::MessageBoxRecorder recorder;
  CDateDlg owner;
  ModalScript script;
  script
      .Then([](CDialog& dialog) {
        static_cast<CDateDlg&>(dialog).date = {1969, 12, 31};
        dialog.EndDialog(kIdOk);
      })
      .Then(Press(kIdOk));
  RunWriteSequence({port, clock, scheduler}, *algorithm, &owner);
  EXPECT_EQ(script.seen, (std::vector<int>{kDate, kPrepare}));
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].text, "Не могу создать образ прошивки");
  EXPECT_EQ(recorder.boxes[0].icon, MessageIcon::kError);
  EXPECT_EQ(recorder.boxes[0].owner, &owner);
  EXPECT_EQ(port.writes.size(), 1u);  // the rest level before the dialogs
}

// A thread that cannot be started ends the dialog with an error box instead of a wait for ever.
TEST(WriteDlgTest, AThreadThatCannotStartIsReported) {
  auto algorithm = LoadExample();
  ASSERT_TRUE(algorithm);
  FakeClock clock;
  FakeScheduler scheduler;
  RecordingPort port(clock);
  test::MessageBoxRecorder recorder;
  const ThreadStarter starter = [](std::function<void()>) -> std::thread {
    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
  };
  CWriteDlg dialog(*algorithm, port, clock, scheduler, nullptr, starter);
  EXPECT_EQ(dialog.DoModal(), kTransmitNotStarted);
  EXPECT_TRUE(port.writes.empty());
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].icon, MessageIcon::kError);
  EXPECT_EQ(recorder.boxes[0].owner, &dialog);
  EXPECT_EQ(recorder.boxes[0].text.rfind("Не могу запустить запись: ", 0), 0u);
  EXPECT_NE(recorder.boxes[0].text.find("ничего не передано"), std::string::npos);
}

// An algorithm without an image ends the thread with code 2: the dialog closes on its own with
// that code, the bar at 0, no box and the port untouched.
TEST(WriteDlgTest, NoImageClosesWithCodeTwo) {
  CAlgorithm algorithm;
  algorithm.imageSize = 0;
  FakeClock clock;
  FakeScheduler scheduler;
  RecordingPort port(clock);
  test::MessageBoxRecorder recorder;
  CWriteDlg dialog(algorithm, port, clock, scheduler, nullptr);
  int bar = -1;
  ModalScript script;
  script.Then([&bar](CDialog& d) { bar = CProgressCtrl(d, CWriteDlg::kProgressId).GetPos(); });
  EXPECT_EQ(dialog.DoModal(), kTransmitNoImage);
  EXPECT_LE(bar, 0);  // -1 when the dialog closed before it was met
  EXPECT_TRUE(recorder.boxes.empty());
  EXPECT_TRUE(port.writes.empty());
}

// The picker offers only the dates an image can carry: one outside them is not taken.
TEST(DateDlgTest, PickerKeepsToTheWritableRange) {
  const CalendarDate cases[] = {
      {2041, 1, 2}, {1970, 1, 1}, {2069, 12, 31}, {1969, 12, 31}, {2070, 1, 1}};
  for (const CalendarDate& picked : cases) {
    CDateDlg dialog;
    dialog.date = {2040, 5, 6};
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(Shown(dialog), (CalendarDate{2040, 5, 6}));
    test::PickDate(dialog, CDateDlg::kPickerId, picked);
    EXPECT_TRUE(dialog.UpdateData(true));
    if (IsWritableDate(picked)) {
      EXPECT_EQ(dialog.date, picked);
    } else {
      EXPECT_TRUE(IsWritableDate(dialog.date)) << picked.year;
    }
  }
}

// "Запись" in the real main window on the example data, received by the simulated controller.
TEST(WriteEndToEndTest, TheControllerReceivesTheImageThatLundaCliImageMakes) {
  AlgorithmCatalogue catalogue;
  ASSERT_TRUE(ScanCatalogue(kExamples, catalogue));
  constexpr int kRow = 1;
  const CalendarDate picked{2029, 6, 30};
  FakeClock clock(10'000'000, 250);
  FakeScheduler scheduler;
  SimulatedController controller(clock);
  // Held until the progress dialog has been met, which a fast transmission would close first.
  HeldPort port(controller);
  port.held = true;
  const WriteEnvironment environment{port, clock, scheduler, &controller};
  MainWindowCommands commands;
  commands.write = [&environment](CAlgorithm& algorithm, CDialog& owner) {
    RunWriteSequence(environment, algorithm, &owner);
  };
  CMainDlg window(catalogue, commands, [](std::uint32_t) {});
  ModalScript script;
  script
      .Then([](CDialog& main) {
        test::ClickRow(main, kIdAlgorithmList, kRow);
        test::Click(main, kIdOk);  // the write runs inside, through the steps below
        main.EndDialog(kIdCancel);
      })
      .Then(AcceptDate(picked))
      .Then(Press(kIdOk))
      .Then([&port](CDialog&) { port.held = false; });
  StderrCapture err;
  window.DoModal();
  EXPECT_TRUE(script.Done());

  AlgorithmCatalogue fresh;
  ASSERT_TRUE(ScanCatalogue(kExamples, fresh));
  CAlgorithm& expected = *fresh[kRow];
  ASSERT_TRUE(expected.PatchImage(picked));
  const TransferReport report = controller.Report();
  EXPECT_TRUE(report.bytes == ImageOf(expected));
  EXPECT_TRUE(IsGoodTransfer(report));
  EXPECT_NE(err.Text().find(FormatTransferReport(report)), std::string::npos);
}

}  // namespace
}  // namespace lunda
