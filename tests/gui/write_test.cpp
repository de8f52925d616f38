// "Запись" driven through its dialogs as a user would, on a fake clock: the date, the
// instructions, the progress dialog, the port's rest level, and the image the controller gets.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <thread>

#include "device/simulated_controller.h"
#include "device/transfer_report.h"
#include "gui/framework/date_picker.h"
#include "gui/framework/progress_bar.h"
#include "gui/write/date_dlg.h"
#include "gui/write/prepare_dlg.h"
#include "gui/write/write_dlg.h"
#include "gui/write/write_sequence.h"
#include "gui_driver.h"
#include "message_box_recorder.h"
#include "modal_script.h"
#include "tests/device/fake_clock.h"
#include "tests/device/fake_ftdi.h"
#include "tests/device/fake_scheduler.h"
#include "tests/device/recording_port.h"

namespace lunda {
namespace {

using test::ModalScript;

constexpr int kDate = ids::date_dlg::kTemplate;
constexpr int kPrepare = ids::prepare_dlg::kTemplate;
constexpr int kWrite = ids::write_dlg::kTemplate;
constexpr std::int64_t kFrequency = 10'000'000;
constexpr std::int64_t kSettleTicks = kFrequency / 10;

const std::filesystem::path kExamples = std::filesystem::absolute(LUNDA_EXAMPLES_DATA);

// A fresh example algorithm, as the catalogue loads it.
std::unique_ptr<CAlgorithm> LoadExample(const char* cfg = "fire.cfg") {
  auto algorithm = std::make_unique<CAlgorithm>();
  if (!algorithm->Load(kExamples / cfg, kExamples)) return nullptr;
  return algorithm;
}

CalendarDate Shown(CDialog& dateDialog) {
  return CDateTimeCtrl(dateDialog, ids::date_dlg::kPicker).GetDate().value_or(CalendarDate{});
}

// Sets the date dialog's picker as the user would pick (the dialog reads it only as it closes)
// and presses "Дальше".
ModalScript::Step AcceptDate(CalendarDate date) {
  return [date](CDialog& dialog) {
    CDateTimeCtrl(dialog, ids::date_dlg::kPicker).SetDate(date);
    test::Click(dialog, kIdOk);
  };
}

// Presses OK ("Дальше", "Записать").
void PressOk(CDialog& dialog) { test::Click(dialog, kIdOk); }

// Grants real-time, but keeps the transmit thread from sending its first bit while held. A hold
// gives up after a few seconds, so that code that wrongly waits for the thread fails its test
// instead of hanging it.
class HeldScheduler final : public Scheduler {
 public:
  [[nodiscard]] SchedulingMode RaiseCurrentThread() override {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (held && std::chrono::steady_clock::now() < giveUp) std::this_thread::yield();
    return SchedulingMode::kRealTime;
  }
  void RestoreCurrentThread() override {}

  std::atomic<bool> held{false};
};

// A write's surroundings: the example algorithm, a port that records, a clock, and the boxes.
struct Rig {
  std::unique_ptr<CAlgorithm> algorithm = LoadExample();
  FakeClock clock{kFrequency, 250};
  FakeScheduler scheduler;
  RecordingPort port{clock};
  test::MessageBoxRecorder recorder;

  void Write(CDialog* owner = nullptr) {
    ASSERT_TRUE(algorithm);
    RunWriteSequence({port, clock, scheduler}, *algorithm, owner);
  }
};

// The date dialog starts at today and offers only the dates an image can carry; "Отмена" in the
// instructions returns to it with the date just accepted, and "Отмена" there ends the write having
// only set the port to rest.
TEST(WriteSequenceTest, CancelReturnsToTheDateAndThenEndsWithThePortAtRest) {
  Rig rig;
  const FirmwareImage image = rig.algorithm->image;
  const CalendarDate picked{2031, 7, 19};
  std::vector<CalendarDate> shown;
  ModalScript script;
  script
      .Then([&](CDialog& dialog) {
        shown.push_back(Shown(dialog));
        CDateTimeCtrl(dialog, ids::date_dlg::kPicker).SetDate({2070, 1, 1});
        EXPECT_TRUE(IsWritableDate(Shown(dialog)));
        AcceptDate(picked)(dialog);
      })
      .Then([](CDialog& dialog) { test::CloseBox(dialog); })  // like "Отмена"
      .Then([&](CDialog& dialog) {
        shown.push_back(Shown(dialog));
        test::Click(dialog, kIdCancel);
      });
  rig.Write();
  EXPECT_EQ(script.seen, (std::vector<int>{kDate, kPrepare, kDate}));
  const std::time_t now = std::time(nullptr);
  const std::tm* today = std::localtime(&now);
  EXPECT_EQ(shown, (std::vector<CalendarDate>{
                       {today->tm_year + 1900, today->tm_mon + 1, today->tm_mday}, picked}));
  ASSERT_EQ(rig.port.writes.size(), 1u);
  EXPECT_EQ(rig.port.writes[0].value, kPortRestLevel);
  EXPECT_EQ(rig.clock.Peek(), kSettleTicks);
  EXPECT_TRUE(rig.algorithm->image == image);
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
  HeldScheduler scheduler;
  SimulatedController controller(clock);
  for (int i = 0; i < 2; ++i) {
    int barAtClose = -1;
    bool stayedOpen = false;
    // The transmission waits until the progress dialog is on screen, so that the bar is seen
    // from the start to the close.
    scheduler.held = true;
    ModalScript script;
    script.Then(AcceptDate(picked)).Then(PressOk).Then([&](CDialog& dialog) {
      test::Press(test::Key::kEnter);
      test::Press(test::Key::kEscape);
      test::CloseBox(dialog);
      test::WaitUntil([] { return false; }, 30);  // a few timer ticks
      stayedOpen = dialog.IsWindowVisible() &&
                   CProgressCtrl(dialog, ids::write_dlg::kProgress).GetPos() == 0;
      scheduler.held = false;
      test::WaitUntil([&] {
        barAtClose = CProgressCtrl(dialog, ids::write_dlg::kProgress).GetPos();
        return !dialog.IsWindowVisible();
      });
    });
    testing::internal::CaptureStderr();
    RunWriteSequence({controller, clock, scheduler, &controller}, *algorithm, nullptr);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(script.seen, (std::vector<int>{kDate, kPrepare, kWrite}));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(barAtClose, 5120);
    const TransferReport report = controller.Report();
    EXPECT_TRUE(report.bytes == expected->image);
    EXPECT_TRUE(IsGoodTransfer(report));
    EXPECT_EQ(controller.Read(), kPortRestLevel);
    // The offscreen toolkit adds notes of its own before the report.
    EXPECT_TRUE(err.ends_with("Scheduling: real-time\n" + FormatTransferReport(report))) << err;
  }
}

// A port that fails mid-write is reported, and the port set to rest only after the controller has
// had its 100 ms to settle. Only a date the picker itself cannot offer makes the patch fail;
// nothing is sent then.
TEST(WriteSequenceTest, AFailedWriteIsReported) {
  const struct {
    CalendarDate date;
    std::optional<std::size_t> failAfter;
    std::string box;
  } cases[] = {
      {{2030, 1, 1},
       1 + 24 * 10,  // the rest level, then ten bytes of 24 writes
       "Запись прервана. Запись в порт /dev/parport0 не удалась: не отключён ли порт или его "
       "модуль ядра?\nПрибор получил 9 байт из 5120. Запишите алгоритм ещё раз."},
      {{1969, 12, 31}, std::nullopt, "Не могу создать образ прошивки"},
  };
  for (const auto& c : cases) {
    Rig rig;
    rig.port.failAfter = c.failAfter;
    CDateDlg owner;
    ModalScript script;
    script
        .Then([&c](CDialog& dialog) {
          static_cast<CDateDlg&>(dialog).date = c.date;
          dialog.EndDialog(kIdOk);
        })
        .Then(PressOk)
        .Then([](CDialog&) {});  // the progress dialog, when there is one, runs to its end
    rig.Write(&owner);
    ASSERT_EQ(rig.recorder.boxes.size(), 1u);
    const MessageBoxRequest& box = rig.recorder.boxes[0];
    EXPECT_EQ(box.text, c.box);
    EXPECT_EQ(box.icon, MessageIcon::kError);
    EXPECT_EQ(box.owner, &owner);
    const auto& writes = rig.port.writes;
    ASSERT_FALSE(writes.empty());
    EXPECT_EQ(writes.back().value, kPortRestLevel);
    if (c.failAfter) {
      EXPECT_GE(writes.back().time - writes[writes.size() - 2].time, kSettleTicks);
    } else {
      EXPECT_EQ(writes.size(), 1u);  // the rest level before the dialogs
    }
  }
}

// A USB adapter that clocks 5 % off is refused before it moves a line, and the user is told so;
// a write through one that works, or fails mid-write, is a write like any other.
TEST(WriteSequenceTest, AnAdapterClockingOffIsRefused) {
  Rig rig;
  FakeFtdi ftdi(rig.clock);
  ftdi.setup.rateInThousandths = 1050;
  PortFault fault;
  const std::unique_ptr<FtdiPort> port = FtdiPort::Open(ftdi, "", "ftdi", rig.clock, fault);
  ASSERT_TRUE(port);
  ModalScript script;
  script.Then(AcceptDate({2030, 1, 1})).Then(PressOk).Then([](CDialog&) {});
  RunWriteSequence({*port, rig.clock, rig.scheduler}, *rig.algorithm, nullptr);
  ASSERT_EQ(rig.recorder.boxes.size(), 1u);
  EXPECT_TRUE(
      rig.recorder.boxes[0].text.starts_with("Запись не начата. USB-адаптер ftdi выдаёт 104"))
      << rig.recorder.boxes[0].text;
}

// A thread that cannot be started ends the dialog with an error box instead of a wait for ever.
TEST(WriteDlgTest, AThreadThatCannotStartIsReported) {
  Rig rig;
  const ThreadStarter failing = [](std::function<void()>) -> std::thread {
    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
  };
  CWriteDlg dialog(*rig.algorithm, rig.port, rig.clock, rig.scheduler, nullptr, failing);
  EXPECT_EQ(dialog.DoModal(), kTransmitNotStarted);
  ASSERT_EQ(rig.recorder.boxes.size(), 1u);
  const MessageBoxRequest& box = rig.recorder.boxes[0];
  EXPECT_EQ(box.icon, MessageIcon::kError);
  EXPECT_EQ(box.owner, &dialog);
  EXPECT_EQ(box.text.rfind("Не могу запустить запись: ", 0), 0u);
  EXPECT_NE(box.text.find("ничего не передано"), std::string::npos);
  EXPECT_TRUE(rig.port.writes.empty());
}

}  // namespace
}  // namespace lunda
