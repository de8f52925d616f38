// lunda-screenshots: saves PNG pictures of the application's real windows for the documentation,
// built on the data folder of the working directory with the simulated controller as the port.
// Usage: lunda-screenshots [OUTPUT_FOLDER]   (default docs/screenshots)
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QProgressBar>
#include <QWidget>
#include <functional>
#include <iostream>
#include <memory>
#include <thread>

#include "algorithm/catalogue.h"
#include "device/simulated_controller.h"
#include "gui/app/programmer_app.h"
#include "gui/help/help_file_lookup.h"
#include "gui/help/qt/help_window.h"
#include "gui/params/edit_parameters.h"
#include "gui/ui/main_dlg.h"
#include "gui/write/date_dlg.h"
#include "gui/write/prepare_dlg.h"
#include "gui/write/write_dlg.h"
#include "platform/system_clock.h"
#include "platform/system_scheduler.h"

namespace lunda {
namespace {

// What a shot may build its window on.
struct ShotContext {
  AlgorithmCatalogue& catalogue;
  Clock& clock;
  Scheduler& scheduler;
  SimulatedController& port;
};

// One picture: its file name and the window, built and initialised but not yet shown. To add a
// shot, add a row here.
struct Shot {
  const char* fileName;
  std::function<std::unique_ptr<QWidget>(ShotContext&)> build;
};

const Shot kShots[] = {
    {"main-window.png",
     [](ShotContext& context) -> std::unique_ptr<QWidget> {
       auto window = std::make_unique<CMainDlg>(context.catalogue, MainWindowCommands{}, nullptr);
       if (!window->Create()) return nullptr;
       return window;
     }},
    {"parameters-common.png",
     [](ShotContext& context) -> std::unique_ptr<QWidget> {
       auto sheet = CreateParameterSheet(*context.catalogue.front(), nullptr);
       if (!sheet->Create()) return nullptr;
       return sheet;
     }},
    {"parameters-channel-1.png",
     [](ShotContext& context) -> std::unique_ptr<QWidget> {
       auto sheet = CreateParameterSheet(*context.catalogue.front(), nullptr);
       if (!sheet->Create() || !sheet->SetActivePage(1)) return nullptr;
       return sheet;
     }},
    {"write-date.png",
     [](ShotContext&) -> std::unique_ptr<QWidget> {
       auto dialog = std::make_unique<CDateDlg>();
       dialog->date = QDateTime(QDate(2024, 5, 17), QTime(12, 0));
       if (!dialog->Create()) return nullptr;
       return dialog;
     }},
    {"write-prepare.png",
     [](ShotContext&) -> std::unique_ptr<QWidget> {
       auto dialog = std::make_unique<CPrepareDlg>();
       if (!dialog->Create()) return nullptr;
       return dialog;
     }},
    {"write-progress.png",
     [](ShotContext& context) -> std::unique_ptr<QWidget> {
       // A third of the way through, with no transmission behind it.
       auto dialog = std::make_unique<CWriteDlg>(
           *context.catalogue.front(), context.port, context.clock, context.scheduler, nullptr,
           [](std::function<void()>) { return std::thread([] {}); });
       if (!dialog->Create()) return nullptr;
       dialog->Control<QProgressBar>(CWriteDlg::kProgressId)->setValue(1700);
       return dialog;
     }},
    {"help-window.png",
     [](ShotContext&) -> std::unique_ptr<QWidget> {
       // The help file built beside this program, as "Помощь" in the main window opens it.
       const auto path = FindHelpFile(HelpFileFolders());
       std::unique_ptr<ChmFile> file = path ? ChmFile::Open(*path) : nullptr;
       if (!file) return nullptr;
       auto window = std::make_unique<HelpWindow>(*path, std::move(file));
       window->setAttribute(Qt::WA_DeleteOnClose, false);
       if (!window->ShowContext(kMainWindowHelpContext)) return nullptr;
       return window;
     }},
};

bool Take(const Shot& shot, ShotContext& context, const QDir& folder) {
  const std::unique_ptr<QWidget> window = shot.build(context);
  if (!window) {
    std::cerr << "lunda-screenshots: cannot build " << shot.fileName << "\n";
    return false;
  }
  window->show();
  QApplication::processEvents();
  const QString path = folder.filePath(QString::fromLatin1(shot.fileName));
  if (!window->grab().save(path)) {
    std::cerr << "lunda-screenshots: cannot write " << path.toStdString() << "\n";
    return false;
  }
  std::cout << path.toStdString() << "\n";
  return true;
}

}  // namespace
}  // namespace lunda

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "docs/screenshots";
  const QDir folder(output);
  if (!folder.mkpath(QStringLiteral("."))) {
    std::cerr << "lunda-screenshots: cannot create " << output.toStdString() << "\n";
    return 1;
  }
  lunda::AlgorithmCatalogue catalogue;
  if (!lunda::ScanCatalogue(lunda::kDataFolder, catalogue)) {
    std::cerr << "lunda-screenshots: no algorithm in ./data\n";
    return 1;
  }
  lunda::SystemClock clock;
  lunda::SimulatedController port(clock);
  const std::unique_ptr<lunda::Scheduler> scheduler = lunda::CreateSystemScheduler();
  lunda::ShotContext context{catalogue, clock, *scheduler, port};
  int failures = 0;
  for (const lunda::Shot& shot : lunda::kShots)
    failures += lunda::Take(shot, context, folder) ? 0 : 1;
  return failures == 0 ? 0 : 1;
}
