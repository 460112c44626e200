#include "installer/sources/http_error.h"

#include "common/Redact.h"
#include "installer/sources/UpdateServer.h"

#include <cstring>

std::ostream& operator<<(std::ostream& out, const http_error& failure)
{
    return out << "HTTP " << failure.status() << " for " << redact::url(failure.url());
}

void adviseSupportForMissingUpdateFile(error& failure)
{
    const http_error* download = dynamic_cast<const http_error*>(&failure);
    if (download && download->status() == 404 &&
        download->url().compare(0, std::strlen(UpdateServer::defaultRootUrl), UpdateServer::defaultRootUrl) == 0)
        failure.setSupport(3);
}
