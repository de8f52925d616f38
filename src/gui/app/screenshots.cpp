// lunda-screenshots: saves PNG pictures of the application's real windows for the documentation,
// built on the data folder of the working directory with the simulated controller as the port.
// Usage: lunda-screenshots [OUTPUT_FOLDER]   (default docs/screenshots)
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <system_error>
#include <thread>

#include "algorithm/catalogue.h"
#include "device/simulated_controller.h"
#include "gui/app/programmer_app.h"
#include "gui/framework/application.h"
#include "gui/framework/progress_bar.h"
#include "gui/help/help_window_picture.h"
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

// A window and whatever it refers to, kept until the picture is taken.
struct Shown {
  std::shared_ptr<void> keep;
  CDialog* window = nullptr;
};

template <typename T>
Shown Keep(std::shared_ptr<T> dialog, bool created) {
  return created ? Shown{dialog, dialog.get()} : Shown{};
}

Shown Sheet(ShotContext& context, int page) {
  auto sheet =
      std::make_shared<ParameterSheet>(CreateParameterSheet(*context.catalogue.front(), nullptr));
  const bool created = sheet->sheet->Create() && sheet->sheet->SetActivePage(page);
  return created ? Shown{sheet, sheet->sheet.get()} : Shown{};
}

// One picture: its file name and the dialog, built and initialised but not yet shown, or (for a
// window of another kind) what saves its picture. To add a shot, add a row here.
struct Shot {
  const char* fileName;
  std::function<Shown(ShotContext&)> build;
  std::function<bool(const std::string& path)> save = {};
};

const Shot kShots[] = {
    {"main-window.png",
     [](ShotContext& context) {
       auto window = std::make_shared<CMainDlg>(context.catalogue, MainWindowCommands{}, nullptr);
       return Keep(window, window->Create());
     }},
    {"parameters-common.png", [](ShotContext& context) { return Sheet(context, 0); }},
    {"parameters-channel-1.png", [](ShotContext& context) { return Sheet(context, 1); }},
    {"write-date.png",
     [](ShotContext&) {
       auto dialog = std::make_shared<CDateDlg>();
       dialog->date = {2024, 5, 17};
       return Keep(dialog, dialog->Create());
     }},
    {"write-prepare.png",
     [](ShotContext&) {
       auto dialog = std::make_shared<CPrepareDlg>();
       return Keep(dialog, dialog->Create());
     }},
    {"write-progress.png",
     [](ShotContext& context) {
       // A third of the way through, with no transmission behind it.
       auto dialog = std::make_shared<CWriteDlg>(
           *context.catalogue.front(), context.port, context.clock, context.scheduler, nullptr,
           [](std::function<void()>) { return std::thread([] {}); });
       const bool created = dialog->Create();
       if (created) CProgressCtrl(*dialog, ids::write_dlg::kProgress).SetPos(1700);
       return Keep(dialog, created);
     }},
    // The help file built beside this program, as "Помощь" in the main window opens it.
    {"help-window.png", nullptr,
     [](const std::string& path) { return SaveHelpWindowPicture(kMainWindowHelpContext, path); }},
};

bool Take(const Shot& shot, ShotContext& context, const std::filesystem::path& folder) {
  const Shown shown = shot.build ? shot.build(context) : Shown{};
  const std::string path = (folder / shot.fileName).string();
  if (shot.build && shown.window == nullptr) {
    std::cerr << "lunda-screenshots: cannot build " << shot.fileName << "\n";
    return false;
  }
  if (!(shot.save ? shot.save(path) : SaveWindowPicture(shown.window->Window(), path))) {
    std::cerr << "lunda-screenshots: cannot write " << path << "\n";
    return false;
  }
  std::cout << path << "\n";
  return true;
}

}  // namespace
}  // namespace lunda

int main(int argc, char** argv) {
  return lunda::RunGuiApplication(argc, argv, [](const lunda::ProcessCommandLine& line) {
    const std::filesystem::path folder = line.args.empty() ? "docs/screenshots" : line.args[0];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
      std::cerr << "lunda-screenshots: cannot create " << folder.string() << "\n";
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
    for (const lunda::Shot& shot : lunda::kShots) {
      failures += lunda::Take(shot, context, folder) ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
  });
}
