// Version texts in both orders: parsing never fails but for the empty text, a
// version equals itself and reads back from its text, and the order of two
// versions turns round with them. dpkg's order is also checked for
// transitivity on three versions; rpm's is not, since rpm's own segment
// comparison, which it copies, is not transitive for every odd text.
#include "tests/fuzz/FuzzTargets.h"

#include "common/error.h"
#include "common/packages/DebVersion.h"
#include "common/packages/Version.h"

#include <memory>

namespace {

int sign(int value) { return (value > 0) - (value < 0); }

template <class V>
std::unique_ptr<V> parsed(const std::string& text)
{
    // Only the empty text is refused; the constructor reads up to a NUL byte.
    if (text.c_str()[0] == '\0') {
        bool refused = false;
        try {
            V version(text);
        } catch (const error&) {
            refused = true;
        }
        fuzz::require(refused, "an empty version is refused");
        return nullptr;
    }
    return std::make_unique<V>(text);
}

template <class V>
void checkOrder(const std::string& a, const std::string& b, const std::string& c, bool transitive)
{
    const std::unique_ptr<V> versions[] = {parsed<V>(a), parsed<V>(b), parsed<V>(c)};
    for (const auto& version : versions) {
        if (!version) continue;
        fuzz::require(version->compare(*version) == 0, "a version equals itself", version->toString());
        // An empty upstream version renders as a placeholder that reads back as text.
        if (version->getVersion().empty()) continue;
        const V again(version->toString());
        fuzz::require(again.toString() == version->toString() && again.compare(*version) == 0,
                      "a version reads back from its text", version->toString());
    }
    for (const auto& x : versions) {
        for (const auto& y : versions) {
            if (!x || !y) continue;
            fuzz::require(sign(x->compare(*y)) == -sign(y->compare(*x)), "the order turns round",
                          x->toString() + " | " + y->toString());
        }
    }
    if (!transitive || !versions[0] || !versions[1] || !versions[2]) return;
    const V& x = *versions[0];
    const V& y = *versions[1];
    const V& z = *versions[2];
    if (x.compare(y) <= 0 && y.compare(z) <= 0)
        fuzz::require(x.compare(z) <= 0, "the order is transitive",
                      x.toString() + " | " + y.toString() + " | " + z.toString());
}

}  // namespace

namespace fuzz {

int versions(const std::uint8_t* data, std::size_t size)
{
    std::string a, rest, b, c;
    splitLine(text(data, size), a, rest);
    splitLine(rest, b, c);
    checkOrder<Version>(a, b, c, false);
    checkOrder<DebVersion>(a, b, c, true);
    return 0;
}

}  // namespace fuzz
