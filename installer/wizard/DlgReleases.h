#pragma once

#include "installer/wizard/Dialog.h"

#include <memory>

class BuildManager;
class DlgAdvSettings;
class DlgMaker;
class Repository;

// The releases page: which products to install, and in which release. The
// choice is the selection of the BuildManager itself; the page keeps none.
class DlgReleases : public Dialog {
public:
    // Neither is owned; both outlive the page.
    DlgReleases(BuildManager& buildManager, Repository& repository)
        : buildManager_(buildManager), repository_(repository)
    {
    }

    // The settings page to open from this one; not owned, held by the driver for
    // as long as this page. None until set.
    void setAdvSettings(DlgAdvSettings* settings) { advSettings_ = settings; }
    DlgAdvSettings* advSettings() const { return advSettings_; }

    // Whether the page may go forward with the selection as it is: something is
    // selected, the operator agrees to every major upgrade, and the selected
    // releases are compatible (warnings only with the operator's consent). Every
    // refusal is told with a message or a question. Two selected releases of one
    // product are an internal error.
    bool canContinue();

protected:
    BuildManager& buildManager() const { return buildManager_; }
    Repository& repository() const { return repository_; }
    // The factory of the messages and questions the checks show: the page's own
    // kind, on the page's own console.
    virtual std::unique_ptr<DlgMaker> dialogs() const = 0;

private:
    BuildManager& buildManager_;
    Repository& repository_;
    DlgAdvSettings* advSettings_ = nullptr;
};
