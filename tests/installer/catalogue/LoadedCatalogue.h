#pragma once

#include "installer/catalogue/BuildLoader.h"
#include "installer/catalogue/BuildManager.h"
#include "installer/components/ComponentManager.h"
#include "installer/components/KwRadioGroup.h"
#include "installer/components/KwSubGroup.h"
#include "installer/params/ParamManager.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SourceManager.h"
#include "installer/sources/SourceZarni.h"

#include "common/Opsys.h"
#include "common/packages/Repository.h"
#include "tests/common/TempDir.h"

#include <tinyxml.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

// The tree as one line: components as `label` shows them, "radio
// NAME(default) [ ... ]" and "group NAME [ ... ]".
inline std::string treeText(ComponentManager& manager, const std::function<std::string(const KwComponent&)>& label)
{
    class Printer : public ComponentManager::Visitor {
    public:
        explicit Printer(const std::function<std::string(const KwComponent&)>& label) : label_(label) {}
        void visit(KwComponentPtr component) override { add(label_(*component)); }
        void enterRadioGroup(boost::shared_ptr<KwRadioGroup> group) override
        {
            add("radio " + group->getName() + "(" + group->getDefaultName() + ") [");
        }
        void leaveRadioGroup(boost::shared_ptr<KwRadioGroup>) override { add("]"); }
        void enterSubGroup(boost::shared_ptr<KwSubGroup> group) override { add("group " + group->getName() + " ["); }
        void leaveSubGroup(boost::shared_ptr<KwSubGroup>) override { add("]"); }
        void add(const std::string& item) { text += (text.empty() ? "" : " ") + item; }
        const std::function<std::string(const KwComponent&)>& label_;
        std::string text;
    } printer(label);
    manager.visit(printer);
    return printer.text;
}

// A catalogue read from a source and loaded the way the drivers do it: state
// check against the installed packages, selection, the loader's walk, commit.
class LoadedCatalogue {
public:
    explicit LoadedCatalogue(const SourceUrl& source) : fetcher(source, target.path()) {}

    // Reads the catalogue and checks the releases against the installed records.
    BuildManager& read(const Opsys& system, const std::string& fileName = std::string())
    {
        manager = std::make_unique<BuildManager>(fetcher, fileName);
        manager->checkReleasesState(&repository, system);
        return *manager;
    }

    // Selects the (product, release) pairs and loads them for `system`.
    void load(const std::vector<std::pair<std::string, std::string>>& selected, const Opsys& system,
              bool loamfeather = false)
    {
        for (const auto& pair : selected) manager->selectRelease(pair.first, pair.second);
        sources = std::make_unique<SourceManager>(&repository, system);
        BuildLoader loader(&repository, &components, &fetcher, sources.get(), &params, &guards, system);
        loader.loamfeather_selected = loamfeather;
        manager->accept(loader);
        loader.commit();
        sendFeedback = loader.sendFeedback();
        removable = loader.removable();
    }

    // The product sources the loader had made, as "<build file> <kind>".
    std::vector<std::string> buildSources() const
    {
        std::vector<std::string> made;
        for (const SourceManager::SourcePtr& source : sources->sources())
            if (const auto* product = dynamic_cast<const SourceZarni*>(source.get()))
                made.push_back(product->getBuild()->config() + " " + product->getKind());
        return made;
    }

    // The tree as one line, components by full name (see treeText).
    std::string tree()
    {
        return treeText(components, [](const KwComponent& component) { return component.getFullName(); });
    }

    // Declared first: the fetcher downloads into it, and the repository outlives
    // the sources the source manager owns.
    TempDir target;
    Repository repository;
    FileFetcher fetcher;
    std::unique_ptr<BuildManager> manager;
    ComponentManager components;
    // Made by load(), for the system loaded.
    std::unique_ptr<SourceManager> sources;
    ParamManager params;
    std::vector<ProductInf3FileGuardPtr> guards;
    bool sendFeedback = false;
    std::set<std::string> removable;
};
