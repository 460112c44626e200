#include "installer/reporters/ToInstallComponentsReporter.h"

#include "installer/components/ComponentManager.h"
#include "installer/components/KwComponent.h"

#include <string>

ToInstallComponentsReporter::ToInstallComponentsReporter(std::int32_t status, ComponentManager* components)
    : Reporter(status), components_(components)
{
}

std::ostream& ToInstallComponentsReporter::put(std::ostream& out) const
{
    class ComponentsReporter : public ComponentManager::Visitor {
    public:
        explicit ComponentsReporter(std::ostream& out) : out_(out) {}
        void visit(KwComponentPtr component) override
        {
            std::string action = component->getInstallModeName();
            const int selection = component->getSelection();
            // What happens to it: an install of something not installed that is
            // removed, or an upgrade or install that is not selected, is nothing.
            if (selection == KwComponent::SEL_REMOVE)
                action = action == "install" ? "noop" : "remove";
            else if (selection != KwComponent::SEL_INSTALL && (action == "upgrade" || action == "install"))
                action = "noop";
            const char* letter = selection == KwComponent::SEL_INSTALL   ? "I"
                                 : selection == KwComponent::SEL_REMOVE ? "R"
                                                                        : "L";
            out_ << letter << " [" << component->getStatusMark() << "] " << component->name << " " << action << " '"
                 << component->localVersion() << " => " << component->serverVersion() << "'" << std::endl;
        }

    private:
        std::ostream& out_;
    } reporter(out);
    components_->visit(reporter);
    return out;
}
