#include "common/packages/Package.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/StringPool.h"
#include "common/StringUtils.h"
#include "common/checked_pointer.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/md5.h"
#include "common/packages/DebPackage.h"
#include "common/packages/DependencyFile.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/DigestText.h"
#include "common/packages/ExtCatalogPackage.h"
#include "common/packages/RPMPackage.h"
#include "common/xmlbind.h"

#include <boost/format.hpp>

#include <atomic>
#include <cstring>
#include <ostream>
#include <sstream>
#include <utility>

namespace {

DependencyPtr entryAt(const std::vector<DependencyPtr>& list, unsigned index)
{
    return index < list.size() ? list[index] : DependencyPtr();
}

void addTo(std::vector<DependencyPtr>& list, const Package& package, const char* text)
{
    if (!text || !*text) return;
    list.push_back(package.createDependency(text));
}

// A required attribute of a catalogue "package" element.
std::string requiredAttribute(const TiXmlElement& element, const char* name)
{
    const std::string* value = element.Attribute(std::string(name));
    if (!value) {
        Log(1, true) << "No '" << name << "' attribute for tag 'package'";
        throw error(1, 1, 1, 3) << Messages::get("err_bad_pkgtag");
    }
    return *value;
}

}  // namespace

Package::Predicate::~Predicate() = default;

namespace {

const char* pooledEmpty()
{
    static const char* const text = StringPool::intern("");
    return text;
}

std::uint64_t nextSequence()
{
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

}  // namespace

Package::Package(const char* name, std::unique_ptr<Version> version)
    : name_(StringPool::intern(name ? name : "")),
      version_(std::move(version)),
      arch_(pooledEmpty()),
      sequence_(nextSequence())
{
}

Package::Package(const char* name, const std::string& versionText)
    : Package(name, std::make_unique<Version>(versionText))
{
}

Package::~Package() = default;

std::unique_ptr<Package> Package::createFromFile(const char* name, const std::string& versionText,
                                                 const std::string& fileName)
{
    std::unique_ptr<Package> package;
    if (endsWith(fileName, ".rpm"))
        package = std::make_unique<RPMPackage>(name, versionText);
    else if (endsWith(fileName, ".deb"))
        package = std::make_unique<DebPackage>(name, versionText);
    else
        throw error() << "Unable to create package object from file " << fileName;
    package->setFileName(fileName);
    return package;
}

std::unique_ptr<Package> Package::createFromXml(const xmlbind::Element& element, type_t kind)
{
    TiXmlElement* node = element.element();
    if (!node) throw KW_INTERNAL_ERROR();

    const std::string name = requiredAttribute(*node, "name");
    const std::string file = requiredAttribute(*node, "file");
    std::unique_ptr<Package> package;
    if (kind == typeExtension) {
        // The catalogue entry is not a file of its own: the file attribute only
        // tells whether the digest, time and size attributes are there.
        package = std::make_unique<ExtCatalogPackage>(name.c_str());
        package->setOriginElement(node);
        package->parseRequires();
    } else {
        std::string versionText = requiredAttribute(*node, "version");
        const std::string release = requiredAttribute(*node, "release");
        if (!release.empty()) versionText += "-" + release;
        package = createFromFile(name.c_str(), versionText, file);
    }
    package->setArch(requiredAttribute(*node, "arch"));
    if (!file.empty()) {
        package->setMD5(requiredAttribute(*node, "md5").c_str());
        package->setBuildTime(requiredAttribute(*node, "buildtime"));
        package->setSize(requiredAttribute(*node, "size"));
    }
    package->setType(static_cast<char>(kind));
    if (const std::string* classes = node->Attribute(std::string("classes"))) {
        // Every piece counts, empty ones included.
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = classes->find(',', start);
            package->addClass(classes->substr(start, comma == std::string::npos ? std::string::npos : comma - start));
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    return package;
}

const Version& Package::getVersion() const
{
    if (!version_) throw nullPointerError(__LINE__);
    return *version_;
}

void Package::setVersion(std::unique_ptr<Version> version)
{
    version_ = std::move(version);
    // The self-provide names the version; a new one is made on next use.
    selfProvide_.reset();
}

void Package::setName(const char* name)
{
    name_ = StringPool::intern(name ? name : "");
    selfProvide_.reset();
}

bool Package::anyProvide(const Dependency& dependency) const
{
    for (const DependencyPtr& provide : provides_)
        if (dependency.intersects(provide.get())) return true;
    return false;
}

void Package::readInfo()
{
    throw error(0, 1, 1, 3) << Messages::get("err_basepkg_noread");
}

DependencyPtr Package::createDependency(const char* text) const
{
    if (text && text[0] == '/') return DependencyPtr(new DependencyFile(text, 0, "", this));
    return DependencyLogical::create(text, this);
}

void Package::setArch(const std::string& arch)
{
    arch_ = StringPool::intern(arch.empty() ? "noarch" : arch.c_str());
}

void Package::setArchRaw(const std::string& arch)
{
    arch_ = StringPool::intern(arch.c_str());
}

void Package::setBuildTime(const std::string& time)
{
    buildTime_ = strToLong(time);
}

void Package::setSize(const std::string& size)
{
    size_ = strToLong(size);
}

void Package::setMD5(const char* text)
{
    digestFromText(text, md5_);
}

std::string Package::getMD5String() const
{
    return digestToText(md5_);
}

const std::string& Package::getFileName() const
{
    if (fileName_.empty()) {
        fileName_ = name_;
        fileName_ += version_ ? "-" + version_->getEpochVersion() : std::string("-(no version)");
    }
    return fileName_;
}

std::string Package::getProperty(const std::string& key) const
{
    const auto found = properties_.find(key);
    return found == properties_.end() ? std::string() : found->second;
}

void Package::setProperty(const std::string& key, const std::string& value)
{
    properties_[key] = value;
}

std::string Package::evaluateString(const std::string& expression) const
{
    std::string result = expression;
    std::size_t position = 0;
    for (;;) {
        const std::size_t open = result.find('[', position);
        if (open == std::string::npos) break;
        const std::size_t close = result.find(']', open);
        if (close == std::string::npos) break;
        const std::string key = result.substr(open + 1, close - open - 1);
        const auto found = properties_.find(key);
        if (found == properties_.end()) {
            Log(3, true) << "debug: Package::evaluateString: undefined property " << key << " in expression "
                         << result;
            position = close;
            continue;
        }
        result.replace(open, close - open + 1, found->second);
        // Values are data: the search goes on after the inserted value, so a
        // value holding brackets is never taken for a reference, and an empty
        // value goes on from where its reference stood.
        position = open + found->second.size();
    }
    return result;
}

std::string Package::getClasses() const
{
    std::string joined;
    bool first = true;
    for (const std::string& name : classes_) {
        if (!first) joined += ',';
        joined += name;
        first = false;
    }
    return joined;
}

void Package::addRequire(const char* text)
{
    // rpm satisfies these itself; no package provides them.
    if (text && std::strncmp(text, "rpmlib(", 7) == 0) return;
    addTo(requires_, *this, text);
}

void Package::addProvide(const char* text)
{
    addTo(provides_, *this, text);
}

void Package::addConflict(const char* text)
{
    addTo(conflicts_, *this, text);
}

void Package::addObsolete(const char* text)
{
    addTo(obsoletes_, *this, text);
}

void Package::addProvide(const DependencyPtr& provide)
{
    if (provide) provides_.push_back(provide);
}

void Package::addProvides(std::vector<DependencyPtr>& provides)
{
    provides_.reserve(provides_.size() + provides.size());
    for (DependencyPtr& provide : provides)
        if (provide) provides_.push_back(std::move(provide));
    provides.clear();
}

DependencyPtr Package::getRequire(unsigned index) const
{
    return entryAt(requires_, index);
}

DependencyPtr Package::getProvide(unsigned index) const
{
    return entryAt(provides_, index);
}

DependencyPtr Package::getConflict(unsigned index) const
{
    return entryAt(conflicts_, index);
}

DependencyPtr Package::getObsolete(unsigned index) const
{
    return entryAt(obsoletes_, index);
}

void Package::removeRequire(unsigned index)
{
    if (index < requires_.size()) requires_.erase(requires_.begin() + index);
}

void Package::clearDependencies()
{
    requires_.clear();
    provides_.clear();
    conflicts_.clear();
    obsoletes_.clear();
}

void Package::replaceDependencies(const Package& other)
{
    if (&other == this) return;
    requires_ = other.requires_;
    provides_ = other.provides_;
    conflicts_ = other.conflicts_;
    obsoletes_ = other.obsoletes_;
}

DependencyPtr Package::selfProvide() const
{
    if (!selfProvide_) {
        const std::string text = std::string(name_) + " = " + getVersion().toString();
        selfProvide_ = createDependency(text.c_str());
    }
    return selfProvide_;
}

void Package::parseRequires()
{
    if (!origin_) throw KW_INTERNAL_ERROR();
    Log(3, true) << "debug: Package::parseRequires " << name_ << " filename " << fileName_;
    const bool hasFile = !fileName_.empty();
    bool hasActions = false;
    for (TiXmlElement* child = origin_->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string& tag = child->ValueStr();
        if (tag == "requires")
            addRequire(xmlbind::getText(child, false).c_str());
        else if (tag == "provides")
            addProvide(xmlbind::getText(child, false).c_str());
        else if (tag == "conflicts")
            addConflict(xmlbind::getText(child, false).c_str());
        else if (tag == "obsoletes")
            addObsolete(xmlbind::getText(child, false).c_str());
        else if (tag == "actions")
            hasActions = true;
    }
    if (hasFile || hasActions) {
        const DependencyPtr self = selfProvide();
        provides_.push_back(self);
        Log(3, true) << "debug: Package " << name_ << "::parseRequires: add self provides "
                     << static_cast<const void*>(self.get()) << " " << *self;
    }
}

void Package::readFileInfo()
{
    const std::string path = fileName_;
    installTime_ = fileops::last_write_time(path);
    char digest[33];
    if (!md5File(path, digest))
        throw error(3, 1, 1, 3) << (boost::format("Unable to get MD5 checksum of %s file.") % path);
    setMD5(digest);
    size_ = static_cast<std::int64_t>(fileops::file_size(path));
    if (size_ == 0) Log(0, true) << "ERROR: Can't get size for " << path;
}

bool Package::matchesFileMD5(const std::string& path) const
{
    char digest[33];
    if (!md5File(path, digest)) return false;
    return getMD5String() == digest;
}

void Package::print(std::ostream& out) const
{
    out << name_;
    if (version_) out << '-' << version_->toString();
    if (*arch_) out << '.' << arch_;
}

std::ostream& operator<<(std::ostream& out, const Package& package)
{
    package.print(out);
    return out;
}

std::ostream& operator<<(std::ostream& out, const Package* package)
{
    if (package)
        package->print(out);
    else
        out << "(no package)";
    return out;
}

std::string packageListText(const std::vector<const Package*>& packages)
{
    if (packages.empty()) return "(empty)";
    std::ostringstream text;
    for (const Package* package : packages) text << package << " ";
    return text.str();
}
