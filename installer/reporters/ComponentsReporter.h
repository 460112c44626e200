#pragma once

#include "installer/catalogue/Release.h"
#include "installer/components/KwCompNode.h"
#include "installer/params/ParamManager.h"
#include "installer/reporters/Reporter.h"

#include "common/checked_pointer.h"

#include <ostream>
#include <string>
#include <vector>

class ComponentManager;

// The answer to the components queries (list components; list upgradable
// components, action 8, which shows only components with an upgrade). As text:
// one line per component and, with --show-options, its settings beneath it. As
// XML: the components grouped by selected release. Settings with XML output are
// refused. Passwords are shown as "***".
class ComponentsReporter : public Reporter {
public:
    // The settings of one component as indented text: each setting with its
    // choices and its current value or default, and the sub-settings of the
    // branches the walk enters.
    class OptionsPrinter : public ParamManager::Visitor {
    public:
        OptionsPrinter(const KwComponentPtr& component, std::ostream& out) : component_(component), out_(out) {}
        void visit(const ParamPtr& param) override;
        void enterBranch(const std::shared_ptr<SubParams>& param, const std::string& branch) override;
        void leaveBranch(const std::shared_ptr<SubParams>& param, const std::string& branch) override;
        // The settings printed.
        int count() const { return count_; }

    private:
        void printValue(const Param& param);
        std::string indent() const { return std::string(static_cast<std::size_t>(indent_), ' '); }

        KwComponentPtr component_;
        std::ostream& out_;
        int indent_ = 4;
        bool printing_ = false;
        int count_ = 0;
    };

    // The releases, the component manager and the parameter manager are borrowed
    // and outlive the reporter.
    ComponentsReporter(std::int32_t status, const std::vector<ReleasePtr>* releases, ComponentManager* components,
                       ParamManager* params);

    // Raises the internal errors of components whose state was never checked,
    // and (3, 1, 1, 3) for settings with XML output, before printing anything.
    std::ostream& put(std::ostream& out) const override;

private:
    std::ostream& putText(std::ostream& out) const;
    std::ostream& putXml(std::ostream& out) const;

    checked_pointer<const std::vector<ReleasePtr>> releases_;
    checked_pointer<ComponentManager> components_;
    checked_pointer<ParamManager> params_;
};
