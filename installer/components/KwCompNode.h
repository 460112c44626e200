#pragma once

#include <boost/shared_ptr.hpp>

#include <string>

class Build;
class KwComponent;

// A node of the component tree: a component, a radio group or a sub group. The
// tree is walked by ComponentManager::visit, which tells the kinds apart; the
// operations here are the ones every kind answers alike.
class KwCompNode {
public:
    virtual ~KwCompNode() = default;

    // One character showing the node's state in lists: '*' to be installed, 'X'
    // to be removed, '=' up to date, '!' not available, ' ' nothing to do; a sub
    // group whose children differ shows '.'.
    virtual char getStatusMark() const = 0;
    virtual std::string getDescription() const = 0;
    // The id of the product whose build offers the node; empty without one.
    virtual std::string getProductId() const = 0;

protected:
    // build -> release -> product id; empty when a link is missing.
    static std::string productIdOf(const Build* build);

    KwCompNode() = default;
    KwCompNode(const KwCompNode&) = default;
    KwCompNode& operator=(const KwCompNode&) = default;
};

typedef boost::shared_ptr<KwCompNode> KwCompNodePtr;
typedef boost::shared_ptr<KwComponent> KwComponentPtr;
// How changesets and queries hold a component they only read.
typedef boost::shared_ptr<const KwComponent> comp_cptr_t;
