#include "installer/reporters/ToInstallReleasesReporter.h"

#include "installer/catalogue/BuildManager.h"

ToInstallReleasesReporter::ToInstallReleasesReporter(std::int32_t status, BuildManager* builds)
    : Reporter(status), builds_(builds)
{
}

std::ostream& ToInstallReleasesReporter::put(std::ostream& out) const
{
    class BuildReporter : public BuildManager::Visitor {
    public:
        explicit BuildReporter(std::ostream& out) : out_(out) {}
        void visitRelease(const ReleasePtr& release) override
        {
            const char* state = release->isSelected() ? "selected " : release->isInstalled() ? "installed" : nullptr;
            if (!state) return;
            // A release that is not actual has no update mode to name (asking
            // for it is an internal error), and this text goes into the error
            // report, which must not fail over it.
            const bool actual = release->isActual();
            out_ << state << " " << release->product()->id << " " << release->id() << " "
                 << (actual ? release->getUpdateModeName() : "none") << " " << (actual ? "" : "(not installable)")
                 << std::endl;
        }

    private:
        std::ostream& out_;
    } reporter(out);
    builds_->accept(reporter);
    return out;
}
