#include "common/NetworkInterfaces.h"

#include "tests/common/CommandOutput.h"
#include "tests/common/IsolatedHost.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <sstream>

namespace {

std::uint32_t address(const char* dotted)
{
    struct in_addr parsed = {};
    ::inet_pton(AF_INET, dotted, &parsed);
    return parsed.s_addr;
}

CompactInterface compact(const char* name, const char* dottedAddress, const char* dottedMask)
{
    CompactInterface entry;
    entry.name = name;
    entry.address = address(dottedAddress);
    entry.netmask = address(dottedMask);
    return entry;
}

std::string describe(const std::vector<NetInterface>& interfaces)
{
    std::ostringstream text;
    for (const NetInterface& entry : interfaces)
        text << entry.name << " " << entry.addressText << " " << entry.netmaskText << " " << entry.hardwareAddress
             << "\n";
    return text.str();
}

TEST(NetworkInterfaces, ChoiceOrdersByNameThenAddressThenNetmask)
{
    struct Case {
        const char* name;
        std::vector<CompactInterface> interfaces;
        const char* chosen;
    } cases[] = {
        {"none", {}, ""},
        {"name first", {compact("eth1", "192.0.2.2", "255.255.255.0"), compact("eth0", "198.51.100.5", "255.255.255.0")},
         "198.51.100.5"},
        {"bytewise names", {compact("eth0", "192.0.2.9", "255.0.0.0"), compact("Eth9", "203.0.113.1", "255.0.0.0")},
         "203.0.113.1"},
        {"then the address as a number",
         {compact("eth0", "192.0.2.10", "255.255.255.0"), compact("eth0", "192.0.2.9", "255.255.255.0")},
         "192.0.2.9"},
        {"duplicates", {compact("br0", "192.0.2.3", "255.0.0.0"), compact("br0", "192.0.2.3", "255.0.0.0")},
         "192.0.2.3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(chooseInterfaceAddress(c.interfaces), c.chosen);
    }
}

TEST(NetworkInterfaces, LoopbackOnlyHostHasNoInterface)
{
    const std::string result = runOnIsolatedHost([] {
        if (!isolatedShell("ip link set lo up")) return std::string("SKIP: ip cannot configure the private host");
        return describe(listInterfaces()) + "first=" + firstInterfaceAddress();
    });
    if (result.compare(0, 6, "SKIP: ") == 0) GTEST_SKIP() << result;
    EXPECT_EQ(result, "first=");
}

TEST(NetworkInterfaces, ListsAddressesAliasesAndHardwareAddresses)
{
    const std::string result = runOnIsolatedHost([] {
        const bool configured = isolatedShell(
            "ip link set lo up && "
            "ip link add eth1 type bridge && ip addr add 192.0.2.2/24 dev eth1 && ip link set eth1 up && "
            "ip link add eth0 type bridge && ip addr add 198.51.100.5/16 dev eth0 && "
            "ip addr add 198.51.100.6/32 dev eth0 label eth0:1 && ip link set eth0 up");
        if (!configured) return std::string("SKIP: ip cannot make bridges on the private host");
        std::string hardware = commandOutput("ip -o link show dev eth0 | grep -o 'link/ether [0-9a-f:]*' | cut -c12-") +
                               commandOutput("ip -o link show dev eth1 | grep -o 'link/ether [0-9a-f:]*' | cut -c12-");
        return hardware + "--\n" + describe(listInterfaces()) + "first=" + firstInterfaceAddress();
    });
    if (result.compare(0, 6, "SKIP: ") == 0) GTEST_SKIP() << result;

    std::istringstream lines(result);
    std::string eth0Hardware, eth1Hardware, separator;
    std::getline(lines, eth0Hardware);
    std::getline(lines, eth1Hardware);
    std::getline(lines, separator);
    ASSERT_EQ(separator, "--") << result;
    ASSERT_EQ(eth0Hardware.size(), 17u) << result;
    const std::string listed = result.substr(result.find("--\n") + 3);
    EXPECT_EQ(listed, "eth1 192.0.2.2 255.255.255.0 " + eth1Hardware + "\n" +
                          "eth0 198.51.100.5 255.255.0.0 " + eth0Hardware + "\n" +
                          "eth0:1 198.51.100.6 255.255.255.255 \n" +
                          "first=198.51.100.5");
}

}  // namespace
