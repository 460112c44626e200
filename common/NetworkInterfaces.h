#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The host's IPv4 interfaces (loopback left out), and the one address that stands
// for the host when it has no usable fully qualified name.

struct NetInterface {
    std::string name;
    std::uint32_t address = 0;    // network byte order
    std::string addressText;      // dotted
    std::string netmaskText;      // dotted; "255.255.255.255" when it cannot be read
    std::string hardwareAddress;  // "xx:xx:xx:xx:xx:xx"; empty for an alias ("eth0:1")
};

// The form in which interfaces are compared and chosen.
struct CompactInterface {
    std::string name;             // at most 15 characters
    std::uint32_t address = 0;    // network byte order
    std::uint32_t netmask = 0;    // network byte order
    std::string hardwareAddress;
};

// Raises `error` (4,1,1,3) when the interfaces cannot be asked for.
std::vector<NetInterface> listInterfaces();
// At most 16384 entries of listInterfaces.
std::vector<CompactInterface> copyInterfaces();
// The dotted address of the first entry by name, then address, then netmask;
// empty for no entries.
std::string chooseInterfaceAddress(std::vector<CompactInterface> interfaces);
// chooseInterfaceAddress of this host's interfaces.
std::string firstInterfaceAddress();
