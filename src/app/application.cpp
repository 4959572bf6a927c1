#include "app/application.h"

#include "text/text_file.h"

namespace calorvia::app {

Application::Application(platform::Platform& platform, shell::DataFolders folders,
                         run::RunOptions runOptions, std::optional<texts::Language> sessionLanguage)
    : shell_(platform, std::move(folders), sessionLanguage),
      caseEntry_(platform, shell_),
      exactComparison_(platform, shell_) {
    shell_.buildMenus();
    // File > New and File > Open, and the saved case in use, are the case entry's.
    shell_.setNewCaseEntry([this] { caseEntry_.NOVO(); });
    shell_.setOpenCaseEntry([this] { caseEntry_.ABRIR(); });
    shell_.setSavedCaseSource([this] { return caseEntry_.currentCasePath(); });
    if (!runOptions.savedCasePath) {
        runOptions.savedCasePath = [this] {
            return text::utf8FromPath(caseEntry_.currentCasePath());
        };
    }
    exactComparison_.attach(runOptions);
    shell_.setRunEntry([this, &platform, runOptions = std::move(runOptions)] {
        lastRun_.reset();  // the last run's fields go before the next run's are made
        lastRun_ = std::make_unique<run::SimulationRun>(platform, shell_, runOptions);
        lastOutcome_ = lastRun_->run();
    });
}

}  // namespace calorvia::app
