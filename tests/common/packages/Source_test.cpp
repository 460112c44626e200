#include "common/packages/Source.h"

#include "common/error.h"
#include "common/packages/Package.h"
#include "common/packages/RPMPackage.h"
#include "common/packages/Repository.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A source that adds one record per brief read ("<tag>-brief") and per full
// read ("<tag>-full"), and that can be told to fail its next read.
class ScriptedSource : public Source {
public:
    ScriptedSource(Repository* repository, std::string tag, std::vector<std::string>* journal)
        : Source(repository), tag_(std::move(tag)), journal_(journal)
    {
    }
    bool failNext = false;

protected:
    void loadBrief() override { load("brief"); }
    void loadFull() override { load("full"); }

private:
    void load(const std::string& what)
    {
        if (journal_) journal_->push_back(tag_ + " " + what);
        if (failNext) {
            failNext = false;
            throw error(4, 1, 1, 2) << "read failed";
        }
        addPackage(std::make_unique<RPMPackage>((tag_ + "-" + what).c_str(), "1.0-1"));
    }

    std::string tag_;
    std::vector<std::string>* journal_;
};

std::vector<std::string> names(const Repository& repository)
{
    std::vector<std::string> list;
    for (const Package* package : repository.getPackages()) list.push_back(package->getName());
    return list;
}

TEST(Source, ReadsHappenOnceAndTheFullReadNeedsTheBriefOne)
{
    Repository repository;
    std::vector<std::string> journal;
    ScriptedSource source(&repository, "s", &journal);
    EXPECT_FALSE(source.isBriefRead());
    source.readFull();
    source.readFull();
    source.readBrief();
    EXPECT_EQ(journal, (std::vector<std::string>{"s brief", "s full"}));
    EXPECT_TRUE(source.isBriefRead());
    EXPECT_TRUE(source.isFullRead());
    EXPECT_EQ(names(repository), (std::vector<std::string>{"s-brief", "s-full"}));
    EXPECT_EQ(repository.findLatestByName("s-full")->getSource(), &source);
}

TEST(Source, AFailedReadIsTriedAgain)
{
    Repository repository;
    std::vector<std::string> journal;
    ScriptedSource source(&repository, "s", &journal);
    source.failNext = true;
    EXPECT_THROW(source.readBrief(), error);
    EXPECT_FALSE(source.isBriefRead());
    source.readBrief();
    EXPECT_TRUE(source.isBriefRead());
    EXPECT_EQ(journal, (std::vector<std::string>{"s brief", "s brief"}));
}

TEST(Source, ReloadReplacesTheRecordsAndAsksForAFullReadAgain)
{
    Repository repository;
    ScriptedSource source(&repository, "s", nullptr);
    source.readFull();
    const Package* before = repository.findLatestByName("s-brief");
    source.reload();
    EXPECT_TRUE(source.isBriefRead());
    EXPECT_FALSE(source.isFullRead());
    EXPECT_EQ(names(repository), (std::vector<std::string>{"s-brief"}));
    EXPECT_NE(repository.findLatestByName("s-brief"), before);
    // The old records stay valid, among the purged ones.
    EXPECT_EQ(before->getType(), 'z');
    EXPECT_EQ(repository.getPurgedPackages().size(), 2u);
    source.readFull();
    EXPECT_EQ(names(repository), (std::vector<std::string>{"s-brief", "s-full"}));
}

TEST(Source, DestroyingASourceTakesItsRecordsOut)
{
    Repository repository;
    ScriptedSource keeper(&repository, "keep", nullptr);
    keeper.readBrief();
    const Package* gone = nullptr;
    {
        ScriptedSource leaving(&repository, "leave", nullptr);
        leaving.readBrief();
        gone = repository.findLatestByName("leave-brief");
        ASSERT_NE(gone, nullptr);
        EXPECT_EQ(repository.getSources().size(), 2u);
    }
    EXPECT_EQ(names(repository), (std::vector<std::string>{"keep-brief"}));
    EXPECT_EQ(repository.findLatestByName("leave-brief"), nullptr);
    EXPECT_EQ(repository.getSources(), (std::vector<Source*>{&keeper}));
    // The record lives on and no longer points to the source.
    EXPECT_EQ(gone->getSource(), nullptr);
    EXPECT_EQ(repository.findLatestByName("keep-brief")->getSource(), &keeper);
}

TEST(Source, DropPackagesAlsoPurgesRecordsMarkedByOthers)
{
    Repository repository;
    ScriptedSource a(&repository, "a", nullptr);
    ScriptedSource b(&repository, "b", nullptr);
    a.readBrief();
    b.readBrief();
    repository.getPackages()[1]->setType('z');
    a.dropPackages();
    EXPECT_TRUE(repository.getPackages().empty());
}

TEST(Source, TheRepositoryReadsEverySourceInTheOrderOfRegistration)
{
    Repository repository;
    std::vector<std::string> journal;
    ScriptedSource first(&repository, "first", &journal);
    ScriptedSource second(&repository, "second", &journal);
    ScriptedSource third(&repository, "third", &journal);
    // Read already: the repository does not read it again.
    third.readBrief();
    repository.getBriefPackagesInfo();
    EXPECT_EQ(journal, (std::vector<std::string>{"third brief", "first brief", "second brief"}));
    repository.getFullPackagesInfo();
    EXPECT_EQ(journal, (std::vector<std::string>{"third brief", "first brief", "second brief", "first full",
                                                 "second full", "third full"}));
}

TEST(Source, BaseBehaviour)
{
    Repository repository;
    ScriptedSource one(&repository, "one", nullptr);
    ScriptedSource two(&repository, "two", nullptr);
    EXPECT_EQ(one.getPriority(), 500);
    EXPECT_FALSE(one.needsDownload());
    EXPECT_FALSE(one.isRemote());
    EXPECT_EQ(one.getRepository(), &repository);
    std::ostringstream printed;
    printed << one;
    EXPECT_EQ(printed.str(), one.name());
    EXPECT_EQ(one.name().rfind("Package_source_", 0), 0u) << one.name();
    EXPECT_NE(one.name(), two.name());
    EXPECT_LT(one.getSequence(), two.getSequence());

    struct Remote : ScriptedSource {
        using ScriptedSource::ScriptedSource;
        bool needsDownload() const override { return true; }
    } remote(&repository, "remote", nullptr);
    const Source& asBase = remote;
    EXPECT_TRUE(asBase.isRemote());
}

TEST(Source, ASourceOutlivingItsRepositoryIsHarmless)
{
    auto repository = std::make_unique<Repository>();
    ScriptedSource source(repository.get(), "s", nullptr);
    source.readBrief();
    repository.reset();
    EXPECT_EQ(source.getRepository(), nullptr);
    EXPECT_THROW(source.addPackage(std::make_unique<RPMPackage>("late", "1.0")), error);
}

}  // namespace
