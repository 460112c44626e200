#include "installer/wizard/DlgReleases.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/ReleasesCompatibilityChecker.h"
#include "installer/wizard/DlgMaker.h"
#include "installer/wizard/DlgMessage.h"
#include "installer/wizard/DlgYesNo.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"

#include <map>

bool DlgReleases::canContinue()
{
    const std::unique_ptr<DlgMaker> dialogs = this->dialogs();

    std::map<std::string, ReleasePtr> selected;
    for (const ReleasePtr& release : buildManager_.getReleases(1)) {
        if (!release->isSelected()) continue;
        // The manager keeps one selected release per product: two are a broken
        // selection, not an operator's choice.
        if (!selected.emplace(release->product()->id, release).second) throw KW_INTERNAL_ERROR();
    }
    if (selected.empty()) {
        dialogs->createMessage(Messages::get("releases_no_selected"))->run();
        return false;
    }

    for (const auto& entry : selected) {
        const ReleasePtr& release = entry.second;
        if (release->getUpdateMode() != Release::updateMajor) continue;
        const std::string question = Messages::get("releases_upgrade_request1") + release->product()->name + " " +
                                     buildManager_.getInstalledReleaseVersion(entry.first) +
                                     Messages::get("releases_upgrade_request2");
        if (dialogs->createYesNo(question)->run() != DLG_YES) return false;
    }

    Log(3, true) << "DlgReleases::canContinue: ReleasesCompatibilityChecker";
    ReleasesCompatibilityChecker checker(buildManager_, &repository_);
    buildManager_.accept(checker);
    if (checker.isError()) {
        Log(3, true) << "DlgReleases::canContinue: bwc.isError()";
        dialogs->createMessage(checker.getErrors() + "\n")->run();
        return false;
    }
    if (checker.isWarning()) {
        Log(3, true) << "DlgReleases::canContinue: bwc.isWarning()";
        return dialogs->createYesNo(checker.getWarnings() + "\n\n" + Messages::get("question_continue"))->run() ==
               DLG_YES;
    }
    return true;
}
