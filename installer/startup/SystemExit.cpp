#include "installer/startup/SystemExit.h"

#include <boost/exception/enable_current_exception.hpp>

namespace driver {

void raiseSystemExit(int code) { throw boost::enable_current_exception(SystemExit(code)); }

}  // namespace driver

std::ostream& operator<<(std::ostream& out, const driver::SystemExit& exit)
{
    return out << "exit with code " << exit.code;
}
