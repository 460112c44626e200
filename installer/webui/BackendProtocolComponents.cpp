// The component tree and the dependency report of the back-end protocol.

#include "installer/webui/BackendProtocol.h"

#include "installer/catalogue/Build.h"
#include "installer/catalogue/Release.h"
#include "installer/components/ComponentsChangeset.h"
#include "installer/components/KwComponent.h"
#include "installer/components/KwRadioGroup.h"
#include "installer/components/KwSubGroup.h"

#include "common/Log.h"
#include "common/error.h"

#include <cstdint>
#include <memory>

namespace {

const char* flag(bool value) { return value ? "true" : "false"; }

// The release a node's build belongs to; a build without one is an internal
// error.
ReleasePtr releaseOf(const BuildPtr& build)
{
    if (!build) throw KW_INTERNAL_ERROR();
    ReleasePtr release = build->getParent();
    if (!release) throw KW_INTERNAL_ERROR();
    return release;
}

// The components that the resolution found in conflict with the selection.
class ConflictingComponentsCollector : public ComponentManager::Visitor {
public:
    explicit ConflictingComponentsCollector(const ComponentsChangeset& changeset) : changeset_(changeset) {}
    void visit(KwComponentPtr component) override
    {
        if (changeset_.isConflicting(component.get())) conflicting.push_back(component);
    }

    std::vector<KwComponentPtr> conflicting;

private:
    const ComponentsChangeset& changeset_;
};

void appendReportEntry(TiXmlElement* info, const KwComponent& component, const char* type)
{
    TiXmlElement* element = new TiXmlElement("component");
    xmlbind::setAttribute(element, "id", component.name);
    xmlbind::setAttribute(element, "description", component.getDescription());
    xmlbind::setAttribute(element, "type", type);
    info->LinkEndChild(element);
}

}  // namespace

BackendProtocol::ComponentSender::ComponentSender(TiXmlElement* root, const ComponentsChangeset& changeset,
                                                  const std::vector<std::string>& hiddenProductIds)
    : root_(root), changeset_(changeset), hiddenProducts_(hiddenProductIds.begin(), hiddenProductIds.end())
{
    root->LinkEndChild(new TiXmlElement("products"));
}

xmlbind::ElementHandle BackendProtocol::ComponentSender::locate(const BuildPtr& build)
{
    const ReleasePtr release = releaseOf(build);
    const ProductPtr& product = release->product();
    const xmlbind::ElementHandle products = xmlbind::getChild(root_, "products");
    xmlbind::ElementHandle at = products;
    at.child("product", "id", product->id);
    if (!at) {
        TiXmlElement* element = new TiXmlElement("product");
        xmlbind::setAttribute(element, "id", product->id);
        xmlbind::setAttribute(element, "name", product->name);
        xmlbind::setAttribute(element, "action", release->getActionName());
        xmlbind::setAttribute(element, "uninstall_support", flag(build->uninstallSupport()));
        element->LinkEndChild(new TiXmlElement("components"));
        products->LinkEndChild(element);
        at = products;
        at.child("product", "id", product->id);
        if (!at) throw KW_INTERNAL_ERROR();
    }
    at.child("components");
    if (!at) throw KW_INTERNAL_ERROR();
    for (const Step& step : path_) at.child(step.elementName, "name", step.groupName);
    if (!at) throw KW_INTERNAL_ERROR() << at.text();
    return at;
}

void BackendProtocol::ComponentSender::enterSubGroup(boost::shared_ptr<KwSubGroup> group)
{
    std::unique_ptr<TiXmlElement> element(new TiXmlElement("group"));
    xmlbind::setAttribute(element.get(), "name", group->getName());
    xmlbind::setAttribute(element.get(), "description", group->getDescription());
    locate(group->getBuild())->LinkEndChild(element.release());
    path_.push_back({"group", group->getName()});
}

void BackendProtocol::ComponentSender::enterRadioGroup(boost::shared_ptr<KwRadioGroup> group)
{
    std::unique_ptr<TiXmlElement> element(new TiXmlElement("alternative_components"));
    xmlbind::setAttribute(element.get(), "name", group->getName());
    xmlbind::setAttribute(element.get(), "description", group->getDescription());
    xmlbind::setAttribute(element.get(), "selected", flag(group->hasChildToInstall(&changeset_)));
    locate(group->getBuild())->LinkEndChild(element.release());
    path_.push_back({"alternative_components", group->getName()});
}

void BackendProtocol::ComponentSender::leaveSubGroup(boost::shared_ptr<KwSubGroup>)
{
    if (path_.empty()) throw KW_INTERNAL_ERROR();
    path_.pop_back();
}

void BackendProtocol::ComponentSender::leaveRadioGroup(boost::shared_ptr<KwRadioGroup>) { leaveSubGroup(nullptr); }

void BackendProtocol::ComponentSender::visit(KwComponentPtr component)
{
    if (hiddenProducts_.count(component->getProductId()) != 0) return;
    // Hidden components appear only once installed, and only when their build
    // allows it.
    if (!component->isShown()) return;
    std::unique_ptr<TiXmlElement> owned(new TiXmlElement("component"));
    TiXmlElement* element = owned.get();
    xmlbind::setAttribute(element, "id", component->name);
    xmlbind::setAttribute(element, "action", component->getInstallModeName());
    xmlbind::setAttribute(element, "serverbuildtime",
                          std::to_string(static_cast<std::int32_t>(component->serverBuildTime())));
    xmlbind::setAttribute(element, "localbuildtime",
                          std::to_string(static_cast<std::int32_t>(component->localBuildTime())));
    xmlbind::setAttribute(element, "serverversion", component->serverVersion());
    xmlbind::setAttribute(element, "localversion", component->localVersion());
    xmlbind::setAttribute(element, "markedForInstall", flag(changeset_.isMarkedForInstall(*component)));
    xmlbind::setAttribute(element, "markedForRemove", flag(changeset_.isMarkedForRemove(*component, true)));
    xmlbind::setAttribute(element, "installed", flag(component->isInstalled()));
    xmlbind::setAttribute(element, "uninstall_support", flag(component->getBuild()->uninstallSupport()));
    if (component->isRequired()) xmlbind::setAttribute(element, "required", "true");
    xmlbind::setAttribute(element, "description", component->getDescription());
    locate(component->getBuild())->LinkEndChild(owned.release());
}

void BackendProtocol::sendComponents(ComponentManager* components, const std::vector<std::string>& hiddenProductIds,
                                     const ComponentsChangeset* changeset)
{
    {
        Log line(3, true);
        line << "DEBUG: BackendProtocol::sendComponents: show_prod_ids: ";
        for (const std::string& id : hiddenProductIds) line << " '" << id << "'";
    }
    if (!components) throw KW_INTERNAL_ERROR();
    ComponentSender sender(root(), ComponentsChangeset::getDefault(changeset), hiddenProductIds);
    components->visit(sender);
}

void BackendProtocol::sendComponentsDependenciesInfo(ComponentManager* components, const ComponentsChangeset& changeset)
{
    setStatus("warning");
    std::unique_ptr<TiXmlElement> info(new TiXmlElement("dependencies_info"));
    for (const auto& request : changeset.getRequests()) {
        const KwComponent& component = *request.first;
        if (changeset.isExplicit(&component)) continue;
        if (request.second == ComponentsChangeset::REQ_INSTALL) {
            appendReportEntry(info.get(), component, "install");
        } else if (request.second == ComponentsChangeset::REQ_REMOVE) {
            appendReportEntry(info.get(), component,
                              changeset.isMarkedForRemove(component, true) ? "remove" : "denied-remove");
        }
    }
    if (!components) throw KW_INTERNAL_ERROR();
    ConflictingComponentsCollector collector(changeset);
    components->visit(collector);
    for (const KwComponentPtr& component : collector.conflicting) appendReportEntry(info.get(), *component, "conflict");
    root()->LinkEndChild(info.release());
}
