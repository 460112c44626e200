#include "installer/drivers/CautionCollector.h"

#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/catalogue/LoadedCatalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {

// Releases with their state checked against a system where "kept" 1.0 is
// installed.
class Cautions : public ::testing::Test {
protected:
    ReleasePtr release(const char* productId, const char* version, const char* caution, bool selected)
    {
        const ProductPtr product = makeProduct(productId, {{std::string(productId) + "-base"}});
        const ReleasePtr made = makeRelease(product, std::string(productId) + "-" + version, version);
        addBuild(made, "Debian", "12.5");
        made->setCaution(caution);
        made->checkState(&repository, debian12());
        made->setSelected(selected);
        return made;
    }

    // Walks the releases in order, as BuildManager::accept does.
    void walk(driver::CautionCollector& collector, const std::vector<ReleasePtr>& releases)
    {
        for (const ReleasePtr& release : releases) {
            collector.visitRelease(release);
            collector.leaveRelease(release);
        }
    }

    std::vector<ReleasePtr> releases()
    {
        addRecord(repository, "kept-base", "1.0");
        return {release("zarni", "1.1", "Read the mail notes.", true),
                release("other", "2.0", "Not selected.", false),
                release("tenebrin", "3.0", "", true),
                // The installed release has no caution to show.
                release("kept", "1.0", "Already installed.", true),
                release("zarni-extra", "1.1", "Read the mail notes.", true)};
    }

    Repository repository;
};

// A dialog factory of the wizard's shape; `Owned` says whether its dialogs come
// as unique pointers or as raw ones the caller deletes.
struct Shown {
    std::vector<std::string> runs;
    int destroyed = 0;
};

class MessageDialog {
public:
    MessageDialog(Shown& shown, std::string text) : shown_(shown), text_(std::move(text)) {}
    ~MessageDialog() { ++shown_.destroyed; }
    int run()
    {
        shown_.runs.push_back(text_);
        return 205;
    }

private:
    Shown& shown_;
    std::string text_;
};

struct RawPointerMaker {
    MessageDialog* createMessage(const std::string& text) { return new MessageDialog(shown, text); }
    Shown shown;
};

struct UniquePointerMaker {
    std::unique_ptr<MessageDialog> createMessage(const std::string& text)
    {
        return std::make_unique<MessageDialog>(shown, text);
    }
    Shown shown;
};

}  // namespace

// The web back end gets every caution of a selected release, in the walk's
// order, a shared one twice.
TEST_F(Cautions, WebCollectorListsThemInOrder)
{
    driver::web::CautionCollector collector;
    walk(collector, releases());
    EXPECT_THAT(collector.cautions(), ElementsAre("Read the mail notes.", "Read the mail notes."));
}

// The wizard shows each at once, one dialog per caution, and lets it go.
TEST_F(Cautions, InteractiveCollectorShowsEachAsAMessage)
{
    const std::vector<ReleasePtr> list = releases();
    RawPointerMaker raw;
    driver::interactive::CautionCollector<RawPointerMaker> fromRaw(raw);
    walk(fromRaw, list);
    EXPECT_THAT(raw.shown.runs, ElementsAre("Read the mail notes.", "Read the mail notes."));
    EXPECT_EQ(raw.shown.destroyed, 2);

    UniquePointerMaker unique;
    driver::interactive::CautionCollector<UniquePointerMaker> fromUnique(unique);
    walk(fromUnique, list);
    EXPECT_THAT(unique.shown.runs, ElementsAre("Read the mail notes.", "Read the mail notes."));
    EXPECT_EQ(unique.shown.destroyed, 2);
}

// On the demo catalogue through the build manager's own walk: only the selected
// release with a caution counts.
TEST(CautionCollector, WalkOfTheDemoCatalogue)
{
    LoadedCatalogue catalogue{SourceUrl(demoCatalogueDirectory())};
    BuildManager& builds = catalogue.read(debian12());
    driver::web::CautionCollector nothingSelected;
    builds.accept(nothingSelected);
    EXPECT_TRUE(nothingSelected.cautions().empty());

    builds.selectRelease("zarni", "zarni-1.1");
    driver::web::CautionCollector collector;
    builds.accept(collector);
    EXPECT_THAT(collector.cautions(), ElementsAre("Zarni 1.1 moves the mail queue to a new directory."));

    builds.selectRelease("zarni", "zarni-1.0");
    driver::web::CautionCollector older;
    builds.accept(older);
    EXPECT_TRUE(older.cautions().empty());
}
