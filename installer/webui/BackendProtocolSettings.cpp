// The component settings reply of the back-end protocol.

#include "installer/webui/BackendProtocol.h"

#include "installer/catalogue/Build.h"
#include "installer/catalogue/Release.h"
#include "installer/components/KwComponent.h"
#include "installer/params/ParamTypes.h"

#include "common/Log.h"
#include "common/error.h"

#include <functional>
#include <memory>

namespace {

enum class Kind { group, boolean, enumeration, other };

Kind kindOf(const Param& param)
{
    if (dynamic_cast<const ParamGroup*>(&param)) return Kind::group;
    if (dynamic_cast<const ParamBool*>(&param)) return Kind::boolean;
    if (dynamic_cast<const ParamEnum*>(&param)) return Kind::enumeration;
    return Kind::other;
}

TiXmlElement* appendTextElement(TiXmlElement* parent, const char* name, const std::string& text)
{
    TiXmlElement* element = new TiXmlElement(name);
    xmlbind::addText(element, text);
    parent->LinkEndChild(element);
    return element;
}

// The child `name` of the element (with the attribute condition), appended by
// `make` when missing; still none is an internal error.
xmlbind::ElementHandle childOrAppend(const xmlbind::ElementHandle& parent, const std::string& name,
                                     const std::string& attribute, const std::string& value,
                                     const std::function<TiXmlElement*()>& make)
{
    xmlbind::ElementHandle found = parent;
    found.child(name, attribute, value);
    if (found) return found;
    parent->LinkEndChild(make());
    found = parent;
    found.child(name, attribute, value);
    if (!found) throw KW_INTERNAL_ERROR() << found.text();
    return found;
}

std::string stepText(const std::string& element, const std::string& attribute, const std::string& value)
{
    if (attribute.empty()) return "<" + element + ">";
    return "<" + element + "[" + attribute + "]='" + value + "'>";
}

}  // namespace

BackendProtocol::ParamSender::ParamSender(TiXmlElement* root) : root_(root)
{
    root->LinkEndChild(new TiXmlElement("products"));
}

xmlbind::ElementHandle BackendProtocol::ParamSender::locate(const Param& param)
{
    const KwComponentPtr& first = param.getComponents().front();
    const ReleasePtr release = first->getBuild()->getParent();
    if (!release) throw KW_INTERNAL_ERROR();
    const ProductPtr& product = release->product();

    xmlbind::ElementHandle at = childOrAppend(xmlbind::getChild(root_, "products"), "product", "id", product->id, [&] {
        TiXmlElement* element = new TiXmlElement("product");
        xmlbind::setAttribute(element, "id", product->id);
        xmlbind::setAttribute(element, "name", product->name);
        return element;
    });
    if (param.getComponents().size() == 1) {
        at = childOrAppend(at, "components", "", "", [] { return new TiXmlElement("components"); });
        at = childOrAppend(at, "component", "id", first->name, [&] {
            TiXmlElement* element = new TiXmlElement("component");
            xmlbind::setAttribute(element, "id", first->name);
            xmlbind::setAttribute(element, "description", first->getDescription());
            return element;
        });
    }
    at = childOrAppend(at, "settings", "", "", [] { return new TiXmlElement("settings"); });
    for (const Step& step : path_) {
        at.child(step.elementName, step.attributeName, step.attributeValue);
        if (!at) {
            error failure(3, 1, 1, 3);
            failure << "in iterate tag stack: can't find node "
                    << stepText(step.elementName, step.attributeName, step.attributeValue);
            throw failure;
        }
    }
    return at;
}

void BackendProtocol::ParamSender::visit(const ParamPtr& param)
{
    const Kind kind = kindOf(*param);
    if (kind == Kind::group) return;
    const xmlbind::ElementHandle at = locate(*param);
    // A password never travels back to the pages: they send none to keep it.
    const std::string value = param->isSecret() ? std::string() : param->getValue();
    TiXmlElement* setting = new TiXmlElement("setting");
    at->LinkEndChild(setting);
    xmlbind::setAttribute(setting, "id", param->getId());
    xmlbind::setAttribute(setting, "type", param->typeName());
    xmlbind::setAttribute(setting, "value", value);
    appendTextElement(setting, "name", param->getName());
    appendTextElement(setting, "description", param->getDescription());
    appendTextElement(setting, "error-message", param->getErrorMessage());
    if (!param->isValid()) {
        xmlbind::setAttribute(root_.element(), "status", "bad_values");
        appendTextElement(setting, "error", param->getErrorMessage());
        xmlbind::setAttribute(setting, "value", param->isSecret() ? std::string() : param->getInput());
    }
    if (kind == Kind::enumeration) {
        const ParamEnum& choices = dynamic_cast<const ParamEnum&>(*param);
        if (!choices.getChoices().empty()) xmlbind::setAttribute(setting, "default", value);
        for (const auto& choice : choices.getChoices()) {
            TiXmlElement* element = new TiXmlElement("choice");
            xmlbind::setAttribute(element, "id", choice.first);
            appendTextElement(element, "name", choice.second);
            setting->LinkEndChild(element);
        }
    }
}

void BackendProtocol::ParamSender::enterGroup(const std::shared_ptr<SubParams>& param)
{
    switch (kindOf(*param)) {
    case Kind::group: {
        std::unique_ptr<TiXmlElement> group(new TiXmlElement("group"));
        appendTextElement(group.get(), "description", param->getDescription());
        locate(*param)->LinkEndChild(group.release());
        path_.push_back({"group", "", ""});
        break;
    }
    case Kind::boolean:
        path_.push_back({"setting", "id", param->getId()});
        locate(*param)->LinkEndChild(new TiXmlElement("settings"));
        path_.push_back({"settings", "", ""});
        break;
    case Kind::enumeration: path_.push_back({"setting", "id", param->getId()}); break;
    case Kind::other: throw KW_INTERNAL_ERROR();
    }
}

void BackendProtocol::ParamSender::enterBranch(const std::shared_ptr<SubParams>& param, const std::string& branch)
{
    if (kindOf(*param) != Kind::enumeration) return;
    path_.push_back({"choice", "id", branch});
    locate(*param)->LinkEndChild(new TiXmlElement("settings"));
    path_.push_back({"settings", "", ""});
}

void BackendProtocol::ParamSender::leaveBranch(const std::shared_ptr<SubParams>& param, const std::string&)
{
    if (kindOf(*param) != Kind::enumeration) return;
    if (path_.size() < 2) throw KW_INTERNAL_ERROR();
    path_.resize(path_.size() - 2);
}

void BackendProtocol::ParamSender::leaveGroup(const std::shared_ptr<SubParams>& param)
{
    const std::size_t steps = kindOf(*param) == Kind::boolean ? 2 : 1;
    if (path_.size() < steps) throw KW_INTERNAL_ERROR();
    path_.resize(path_.size() - steps);
}

void BackendProtocol::sendComponentParams(ParamManager* params)
{
    Log(3, true) << "DEBUG: BackendProtocol::sendComponentParams entry";
    if (!params) throw KW_INTERNAL_ERROR();
    ParamSender sender(root());
    params->accept(sender, ParamPtr(), true);
}
