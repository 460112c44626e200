#include "common/NetworkInterfaces.h"

#include "common/error.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <tuple>

namespace {

constexpr std::size_t maxInterfaces = 16384;

error systemFailure()
{
    return error(4, 1, 1, 3);
}

std::string dotted(const struct sockaddr& address)
{
    const struct sockaddr_in* inet = reinterpret_cast<const struct sockaddr_in*>(&address);
    char text[INET_ADDRSTRLEN] = {};
    if (!::inet_ntop(AF_INET, &inet->sin_addr, text, sizeof text)) return std::string();
    return text;
}

// Closes the query socket however the listing ends.
class Socket {
public:
    Socket() : descriptor_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {}
    ~Socket()
    {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

}  // namespace

std::vector<NetInterface> listInterfaces()
{
    Socket socket;
    if (socket.get() < 0) throw systemFailure() << "Can't create socket:" << std::strerror(errno);

    // The kernel fills at most the room given; ask again with twice the room
    // until some is left over.
    std::vector<struct ifreq> requests;
    struct ifconf configuration;
    for (std::size_t room = 2;; room *= 2) {
        requests.assign(room, ifreq());
        configuration.ifc_len = static_cast<int>(room * sizeof(struct ifreq));
        configuration.ifc_req = requests.data();
        if (::ioctl(socket.get(), SIOCGIFCONF, &configuration) < 0)
            throw systemFailure() << "unable to query SIOCGIFCONF: " << std::strerror(errno);
        if (static_cast<std::size_t>(configuration.ifc_len) < room * sizeof(struct ifreq)) break;
    }
    const std::size_t count = static_cast<std::size_t>(configuration.ifc_len) / sizeof(struct ifreq);

    std::vector<NetInterface> result;
    for (std::size_t i = 0; i < count; ++i) {
        const struct ifreq& request = requests[i];
        const struct sockaddr_in* inet = reinterpret_cast<const struct sockaddr_in*>(&request.ifr_addr);
        const unsigned char* addressBytes = reinterpret_cast<const unsigned char*>(&inet->sin_addr.s_addr);
        if (addressBytes[0] == 127) continue;

        NetInterface entry;
        entry.name.assign(request.ifr_name, strnlen(request.ifr_name, IFNAMSIZ));
        entry.address = inet->sin_addr.s_addr;
        entry.addressText = dotted(request.ifr_addr);

        if (entry.name.find(':') == std::string::npos) {
            struct ifreq hardware = request;
            if (::ioctl(socket.get(), SIOCGIFHWADDR, &hardware) < 0)
                throw systemFailure() << "Can't get Mac-addr with SIOCGIFHWADDR";
            const unsigned char* mac = reinterpret_cast<const unsigned char*>(hardware.ifr_hwaddr.sa_data);
            char text[18];
            std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3], mac[4],
                          mac[5]);
            entry.hardwareAddress = text;
        }

        struct ifreq netmask = request;
        if (::ioctl(socket.get(), SIOCGIFNETMASK, &netmask) < 0)
            entry.netmaskText = "255.255.255.255";
        else
            entry.netmaskText = dotted(netmask.ifr_netmask);
        result.push_back(entry);
    }
    return result;
}

std::vector<CompactInterface> copyInterfaces()
{
    std::vector<NetInterface> interfaces = listInterfaces();
    if (interfaces.size() > maxInterfaces) interfaces.resize(maxInterfaces);
    std::vector<CompactInterface> result;
    result.reserve(interfaces.size());
    for (const NetInterface& interface : interfaces) {
        CompactInterface entry;
        entry.name = interface.name.substr(0, 15);
        entry.address = interface.address;
        struct in_addr netmask = {};
        ::inet_pton(AF_INET, interface.netmaskText.c_str(), &netmask);
        entry.netmask = netmask.s_addr;
        entry.hardwareAddress = interface.hardwareAddress.substr(0, 31);
        result.push_back(entry);
    }
    return result;
}

std::string chooseInterfaceAddress(std::vector<CompactInterface> interfaces)
{
    if (interfaces.empty()) return std::string();
    auto key = [](const CompactInterface& entry) {
        return std::make_tuple(std::cref(entry.name), ntohl(entry.address), ntohl(entry.netmask));
    };
    std::sort(interfaces.begin(), interfaces.end(),
              [&key](const CompactInterface& a, const CompactInterface& b) { return key(a) < key(b); });
    // Sorting puts the first entry first whatever the duplicates; no need to
    // remove them to choose.
    struct in_addr address;
    address.s_addr = interfaces.front().address;
    char text[INET_ADDRSTRLEN] = {};
    if (!::inet_ntop(AF_INET, &address, text, sizeof text)) return std::string();
    return text;
}

std::string firstInterfaceAddress() { return chooseInterfaceAddress(copyInterfaces()); }
