#include "installer/sources/http_error.h"

#include "common/Redact.h"

std::ostream& operator<<(std::ostream& out, const http_error& failure)
{
    return out << "HTTP " << failure.status() << " for " << redact::url(failure.url());
}
