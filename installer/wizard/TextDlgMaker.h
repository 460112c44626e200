#pragma once

#include "installer/wizard/DlgMaker.h"

class TextConsole;

// The text-mode dialog factory: its dialogs are the terminal pages, all on one
// console.
class TextDlgMaker : public DlgMaker {
public:
    explicit TextDlgMaker(TextConsole& console) : console_(console) {}

    std::unique_ptr<DlgHello> createHello() override;
    std::unique_ptr<DlgAdvSettings> createAdvSettings(const DlgAdvSettings::Settings& settings) override;
    std::unique_ptr<DlgReleases> createReleases(BuildManager& buildManager, Repository& repository,
                                                bool showAllReleases) override;
    std::unique_ptr<DlgInstTypes> createInstTypes(BuildManager& buildManager,
                                                  ComponentManager& componentManager) override;
    std::unique_ptr<DlgComponents> createComponents(ComponentManager& componentManager,
                                                    BuildManager& buildManager) override;
    std::unique_ptr<DlgOptions> createOptions(ParamManager& params, Repository& repository) override;
    std::unique_ptr<DlgPackages> createPackages(const std::vector<const Package*>& packages,
                                                Repository& repository) override;
    std::unique_ptr<DlgYesNo> createYesNo(const std::string& question) override;
    std::unique_ptr<DlgYesNo> createYesNoDefaultNo(const std::string& question) override;
    std::unique_ptr<DlgMessage> createMessage(const std::string& text) override;
    std::unique_ptr<DlgPrompt> createPrompt(const std::string& question, const std::string& defaultAnswer) override;

private:
    TextConsole& console_;
};
