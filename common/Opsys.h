#pragma once

#include <boost/shared_ptr.hpp>

#include <ostream>
#include <string>

// An operating system as five texts: name ("Linux"), vendor ("Debian", "Ubuntu",
// "RedHat", "CentOS", ...), version, architecture and environment ("" on an
// ordinary server, "cq" in a container, "dedicated" by override). The default
// constructor gives the running system, detected once per process; the five-text
// constructor describes the system that a catalogue build requires.
class Opsys {
public:
    class opsys_rep {
    public:
        opsys_rep() = default;
        opsys_rep(std::string name, std::string vendor, std::string version, std::string arch,
                  std::string environment);

        // "'vendor' 'name' 'version' 'arch'" and " under environment" when set.
        void print(std::ostream& out) const;

        std::string name;
        std::string vendor;
        std::string version;
        std::string arch;
        std::string environment;
    };

    // Detection from the system files below `root` ("/" for the running system;
    // tests point it at a fixture tree). Name and architecture come from uname;
    // the override texts apply last.
    class opsys_detect : public opsys_rep {
    public:
        explicit opsys_detect(const std::string& root = "/");
    };

    // The running system (detected on the first call).
    Opsys();
    Opsys(const std::string& name, const std::string& vendor, const std::string& version, const std::string& arch,
          const std::string& environment);

    const std::string& name() const { return rep_->name; }
    const std::string& vendor() const { return rep_->vendor; }
    const std::string& version() const { return rep_->version; }
    const std::string& arch() const { return rep_->arch; }
    const std::string& environment() const { return rep_->environment; }
    const opsys_rep& rep() const { return *rep_; }

    bool isDebian() const;
    bool isRedHat() const;

    // Whether this (required) system is satisfied by `running`. Loose matching lets
    // an empty field on either side match anything.
    bool match(const Opsys& running, bool loose) const;

    // Set by the option handling before the first default construction; an empty
    // text keeps the detected value.
    static std::string overrideName;
    static std::string overrideVendor;
    static std::string overrideVersion;
    static std::string overrideArch;
    static std::string overrideEnvironment;

private:
    boost::shared_ptr<const opsys_rep> rep_;
};

std::ostream& operator<<(std::ostream& out, const Opsys::opsys_rep& system);
std::ostream& operator<<(std::ostream& out, const Opsys& system);
