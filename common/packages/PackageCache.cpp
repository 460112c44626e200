// The package cache record format: the text form of package records shared by
// the installed-package cache file, the rpm and dpkg-query queries and the
// product's package caches.
#include "common/packages/Package.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/packages/DependencyFile.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/LineReader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The tags that occur at most once, before the dependency lines.
constexpr char singleTags[] = "FNEVLAfsBMS";
constexpr std::size_t singleCount = sizeof(singleTags) - 1;

int singleIndex(char tag)
{
    const char* found = tag ? std::strchr(singleTags, tag) : nullptr;
    return found ? static_cast<int>(found - singleTags) : -1;
}

[[noreturn]] void refuse(const char* key)
{
    throw error(1, 1, 1, 3) << Messages::get(key);
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// The lines of one record, read whole whatever their length, trimmed, without
// comments, each split into its tag and its value.
class CacheLines {
public:
    CacheLines(std::FILE* stream, unsigned& counter) : reader_(stream), stream_(stream), counter_(counter) {}

    // False at the end of the stream. A line too short to hold a tag, or whose
    // second byte is not ":", is refused.
    bool next()
    {
        for (;;) {
            if (!reader_.next()) {
                if (std::ferror(stream_)) {
                    const int code = errno;
                    Log(1, true) << "Error: reading a package description failed: " << std::strerror(code);
                }
                return false;
            }
            ++counter_;
            line_ = reader_.line();
            trimCString(line_);
            if (line_[0] != '#') break;
        }
        if (line_[0] == '\0' || line_[1] == '\0') refuse("err_cache_shortline");
        if (line_[1] != ':') refuse("err_cache_semicolon");
        value_ = line_ + 2;
        while (isSpace(*value_)) ++value_;
        // rpm prints "(none)" for a value it does not have; a value that merely
        // contains the text keeps it.
        if (std::strcmp(value_, "(none)") == 0) value_ += std::strlen(value_);
        return true;
    }

    char tag() const { return line_[0]; }
    const char* value() const { return value_; }
    const char* line() const { return line_; }

    // The first byte of the next line, left in the stream; EOF at its end.
    int peek()
    {
        const int c = std::getc(stream_);
        if (c != EOF) std::ungetc(c, stream_);
        return c;
    }

private:
    LineReader reader_;
    std::FILE* stream_;
    unsigned& counter_;
    char* line_ = nullptr;
    const char* value_ = nullptr;
};

class RecordBuilder {
public:
    void store(const CacheLines& lines, unsigned counter)
    {
        const char tag = lines.tag();
        const int index = singleIndex(tag);
        if (record_) {
            Log(1, true) << "Invalid cache format: multi-occured fields mixed with single-occured fields";
            Log(2, true) << "Error in Package::createFromCache: input line  " << counter << ":" << lines.line();
            refuse("err_cache_descend");
        }
        if (!values_[index].empty()) {
            Log(1, true) << "Invalid cache format: tag '" << tag << "' occured twice, second in '" << lines.line()
                         << "'";
            refuse("err_cache_multitag");
        }
        values_[index] = lines.value();
        stored_[index] = true;
    }

    Package& record()
    {
        if (!record_) create();
        return *record_;
    }

    std::unique_ptr<Package> take()
    {
        record();
        return std::move(record_);
    }

private:
    const std::string& value(char tag) const { return values_[singleIndex(tag)]; }

    [[noreturn]] void refuseMissingVersion() const
    {
        // Every stored tag, upper-case letters before lower-case ones.
        std::string stored;
        for (int c = 0; c < 128; ++c) {
            const int index = singleIndex(static_cast<char>(c));
            if (index >= 0 && stored_[index])
                stored += std::string(" '") + static_cast<char>(c) + "=" + values_[index] + "'";
        }
        Log(1, true) << stored;
        refuse("err_cache_pkgvers");
    }

    void create()
    {
        const std::string name = value('N').empty() ? std::string("nameless") : value('N');
        if (value('V').empty()) refuseMissingVersion();
        std::string versionText;
        if (!value('E').empty()) versionText = value('E') + ":";
        versionText += value('V');
        if (!value('L').empty()) versionText += "-" + value('L');
        const std::string file =
            value('F').empty() ? "dummy_filename_" + name + "-" + versionText + ".rpm" : value('F');

        std::unique_ptr<Package> package = Package::createFromFile(name.c_str(), versionText, file);
        // "V::" or "V:1:" names an epoch but no version: a record the writer
        // could not write back readably.
        if (package->getVersion().getVersion().empty()) refuseMissingVersion();
        package->setArch(value('A').empty() ? std::string("all") : value('A'));
        if (!value('f').empty()) package->setInstallTime(strToLong(value('f')));
        if (!value('B').empty()) package->setBuildTime(value('B'));
        if (!value('s').empty()) package->setSize(value('s'));
        if (!value('M').empty()) package->setMD5(value('M').c_str());
        record_ = std::move(package);
    }

    std::string values_[singleCount];
    bool stored_[singleCount] = {};
    std::unique_ptr<Package> record_;
};

// The "m" and "5" lines after a P line make it a file provide. The provide
// joins `provides`, which the record takes whole at its end.
void readProvide(CacheLines& lines, Package& record, std::vector<DependencyPtr>& provides)
{
    // Kept from provide to provide: their texts are long and many.
    thread_local std::string path;
    thread_local std::string mode;
    thread_local std::string digest;
    path = lines.value();
    mode.clear();
    digest.clear();
    for (;;) {
        const int next = lines.peek();
        if (next == EOF) refuse("err_cache_descend");
        if (next != 'm' && next != '5') break;
        if (!lines.next()) refuse("err_cache_descend");
        (lines.tag() == 'm' ? mode : digest) = lines.value();
    }
    // An empty provide names nothing; rpm prints none, and no record needs one.
    if (path.empty()) return;
    if (!mode.empty() || !digest.empty())
        provides.push_back(DependencyPtr(
            new DependencyFile(path.c_str(), static_cast<std::int32_t>(strToLong(mode)), digest.c_str(), &record)));
    else
        provides.push_back(DependencyLogical::create(path.c_str(), &record));
}

// A value goes on one line whatever it holds.
std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

void writeDependencies(std::ostringstream& out, char tag, const std::vector<DependencyPtr>& list)
{
    static const std::string zeroDigest(32, '0');
    std::ostringstream text;
    for (const DependencyPtr& dependency : list) {
        text.str(std::string());
        dependency->print(text);
        out << tag << ':' << oneLine(text.str()) << '\n';
        if (tag != 'P') continue;
        if (const auto* file = dynamic_cast<const DependencyFile*>(dependency.get())) {
            const std::string digest = file->getDigestText();
            out << "m:" << file->getMode() << '\n';
            out << "5:" << (digest == zeroDigest ? std::string() : oneLine(digest)) << '\n';
        }
    }
}

}  // namespace

std::unique_ptr<Package> Package::createFromCache(std::FILE* stream, unsigned& lineCounter)
{
    if (!stream) throw KW_INTERNAL_ERROR();
    CacheLines lines(stream, lineCounter);
    RecordBuilder builder;
    // Reused from record to record, and left empty however the record ends.
    thread_local std::vector<DependencyPtr> provides;
    struct ClearAtEnd {
        std::vector<DependencyPtr>& list;
        ~ClearAtEnd() { list.clear(); }
    } clearAtEnd{provides};
    for (;;) {
        if (!lines.next()) {
            Log(1, true) << "createFromCache(): package must terminated with 'X'";
            refuse("err_cache_unexpend");
        }
        const char tag = lines.tag();
        if (singleIndex(tag) >= 0) {
            builder.store(lines, lineCounter);
            continue;
        }
        switch (tag) {
        case 'R': builder.record().addRequire(lines.value()); break;
        case 'C': builder.record().addConflict(lines.value()); break;
        case 'O': builder.record().addObsolete(lines.value()); break;
        case 'P': readProvide(lines, builder.record(), provides); break;
        case 'X': {
            std::unique_ptr<Package> record = builder.take();
            record->addProvides(provides);
            return record;
        }
        default:
            Log(0, true) << "Warning: unknow tag in cache, whole line is: " << lines.line() << "'";
            break;
        }
    }
}

int Package::dump(std::FILE* stream, const char* fileName) const
{
    if (!stream) throw KW_INTERNAL_ERROR();
    const std::string file = fileName ? std::string(fileName) : fileName_;
    if (!*name_ || file.empty()) {
        Log(0, true) << "Cant dump package if name or filename is empty(name=" << name_ << " filename=" << file;
        return 0;
    }
    if (type_ == typeNone) {
        Log(0, true) << "skip dump package of no type";
        return 0;
    }
    const Version& version = getVersion();
    std::ostringstream out;
    out << "F:" << oneLine(file) << '\n';
    out << "N:" << oneLine(name_) << '\n';
    if (version.hasEpoch()) out << "E:" << version.getEpoch() << '\n';
    out << "V:" << oneLine(version.getVersion()) << '\n';
    out << "L:" << oneLine(version.getRelease()) << '\n';
    out << "A:" << oneLine(arch_) << '\n';
    out << "f:" << installTime_ << '\n';
    out << "s:" << size_ << '\n';
    // Signed, as the reader reads it back.
    out << "B:" << buildTime_ << '\n';
    out << "M:" << getMD5String() << '\n';
    writeDependencies(out, 'R', requires_);
    writeDependencies(out, 'P', provides_);
    writeDependencies(out, 'C', conflicts_);
    writeDependencies(out, 'O', obsoletes_);
    out << "X:\n";

    const std::string text = out.str();
    if (std::fwrite(text.data(), 1, text.size(), stream) != text.size()) return EOF;
    return std::fflush(stream);
}
