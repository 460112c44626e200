#include "installer/reporters/ComponentsReporter.h"

#include "installer/catalogue/Build.h"
#include "installer/components/ComponentManager.h"
#include "installer/components/KwComponent.h"
#include "installer/options/Options.h"
#include "installer/options/OutputSettings.h"
#include "installer/params/ParamTypes.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "common/xmlbind.h"

#include <tinyxml.h>

#include <iomanip>

namespace {

bool listed(const KwComponent& component)
{
    return Options::getInstance().action != Options::actionListUpgradable ||
           component.getInstallMode() == KwComponent::MODE_UPGRADE;
}

}  // namespace

void ComponentsReporter::OptionsPrinter::visit(const ParamPtr& param)
{
    printing_ = param->getComponents().front() == component_;
    if (!printing_) return;
    if (param->getId() == ParamGroup::groupId || dynamic_cast<const ParamHidden*>(param.get())) return;
    out_ << indent() << "Option: " << param->getId() << " - " << param->getDescription() << "\n";
    if (const auto* choice = dynamic_cast<const ParamEnum*>(param.get()))
        for (const auto& entry : choice->getChoices())
            out_ << indent() << "  " << entry.first << " - " << entry.second << "\n";
    printValue(*param);
    ++count_;
}

void ComponentsReporter::OptionsPrinter::printValue(const Param& param)
{
    std::string label;
    std::string text;
    if (!param.isUndefined()) {
        label = "Current: ";
        text = param.getStoredValue();
    } else if (param.hasDefault()) {
        label = "Default: ";
        text = param.getDefault();
    } else {
        return;
    }
    if (dynamic_cast<const ParamBool*>(&param)) {
        if (text == "true")
            text = "yes";
        else if (text == "false")
            text = "no";
        else
            throw KW_INTERNAL_ERROR() << "ComponentsReporter: the boolean setting " << param.getId()
                                    << " holds neither true nor false";
    }
    out_ << indent() << "  " << label << param.shown(text) << "\n";
}

void ComponentsReporter::OptionsPrinter::enterBranch(const std::shared_ptr<SubParams>& param, const std::string& branch)
{
    if (!printing_) return;
    if (param->getId() == ParamGroup::groupId)
        out_ << indent() << "=== " << param->getDescription() << " ===\n";
    else
        out_ << indent() << "For variant '" << (dynamic_cast<const ParamBool*>(param.get()) ? "yes" : branch)
             << "' following sub-options available:\n";
    indent_ += 2;
}

void ComponentsReporter::OptionsPrinter::leaveBranch(const std::shared_ptr<SubParams>&, const std::string&)
{
    if (printing_) indent_ -= 2;
}

ComponentsReporter::ComponentsReporter(std::int32_t status, const std::vector<ReleasePtr>* releases,
                                       ComponentManager* components, ParamManager* params)
    : Reporter(status), releases_(releases), components_(components), params_(params)
{
}

std::ostream& ComponentsReporter::put(std::ostream& out) const { return xmlOutput ? putXml(out) : putText(out); }

std::ostream& ComponentsReporter::putText(std::ostream& out) const
{
    class TextComponentsReporter : public ComponentManager::Visitor {
    public:
        TextComponentsReporter(std::ostream& out, ParamManager& params) : out_(out), params_(params) {}
        void visit(KwComponentPtr component) override
        {
            if (!listed(*component)) return;
            out_ << "  " << std::left << std::setw(18) << component->name << std::right << "["
                 << component->getInstallModeName() << "]" << " - " << component->description << "\n";
            if (!Options::getInstance().showOptions) return;
            OptionsPrinter printer(component, out_);
            params_.accept(printer);
            count_ += printer.count();
        }
        void finish() override
        {
            if (Options::getInstance().showOptions && count_ == 0) Log(0, true) << Messages::get("comps_no_options");
        }

    private:
        std::ostream& out_;
        ParamManager& params_;
        int count_ = 0;
    } reporter(out, *params_);
    components_->visit(reporter);
    return out;
}

std::ostream& ComponentsReporter::putXml(std::ostream& out) const
{
    class CompNodeInserter : public ComponentManager::Visitor {
    public:
        CompNodeInserter(TiXmlElement& components, const Release& release)
            : components_(components), release_(release)
        {
        }
        void visit(KwComponentPtr component) override
        {
            const ReleasePtr parent = component->getBuild() ? component->getBuild()->getParent() : ReleasePtr();
            if (!parent || parent->id() != release_.id() || !listed(*component)) return;
            TiXmlElement element("component");
            std::string classes;
            for (const std::string& name : component->classes) classes += (classes.empty() ? "" : ",") + name;
            xmlbind::setAttribute(&element, "id", component->name);
            xmlbind::setAttribute(&element, "classes", classes);
            xmlbind::setAttribute(&element, "action", component->getInstallModeName());
            xmlbind::setAttribute(&element, "serverbuildtime", std::to_string(component->serverBuildTime()));
            xmlbind::setAttribute(&element, "localbuildtime", std::to_string(component->localBuildTime()));
            xmlbind::setAttribute(&element, "serverversion", component->serverVersion());
            xmlbind::setAttribute(&element, "localversion", component->localVersion());
            xmlbind::setAttribute(&element, "kernelupdate", "false");
            if (component->isRequired()) xmlbind::setAttribute(&element, "required", "true");
            TiXmlElement description("description");
            xmlbind::addText(&description, component->description);
            element.InsertEndChild(description);
            TiXmlElement dependencies("dependencies");
            const auto add = [&dependencies](const std::vector<std::string>& names, const char* type) {
                for (const std::string& name : names) {
                    TiXmlElement dependency("dependency");
                    xmlbind::setAttribute(&dependency, "id", name);
                    xmlbind::setAttribute(&dependency, "type", type);
                    dependencies.InsertEndChild(dependency);
                }
            };
            add(component->hardwiredWith, "hardwired");
            add(component->requiredNames, "required");
            add(component->conflicts, "conflict");
            element.InsertEndChild(dependencies);
            components_.InsertEndChild(element);
            if (Options::getInstance().showOptions)
                throw error(3, 1, 1, 3) << "ComponentsReporter: --show-options with --enable-xml-output is not "
                                           "implemented.";
        }

    private:
        TiXmlElement& components_;
        const Release& release_;
    };

    TiXmlElement list("releases");
    for (const ReleasePtr& release : *releases_) {
        if (!release->isSelected()) continue;
        TiXmlElement element("release");
        xmlbind::setAttribute(&element, "id", release->id());
        xmlbind::setAttribute(&element, "version", release->getVersion().getEpochVersion());
        TiXmlElement description("description");
        xmlbind::addText(&description, release->name());
        element.InsertEndChild(description);
        TiXmlElement components("components");
        CompNodeInserter inserter(components, *release);
        components_->visit(inserter);
        element.InsertEndChild(components);
        list.InsertEndChild(element);
    }
    return printXml(out, &list);
}
