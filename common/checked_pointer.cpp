#include "common/checked_pointer.h"

error nullPointerError(int line)
{
    error e(3, 1, 0, 3);
    e << "Try of use NULL pointer: common/checked_pointer:" << line;
    return e;
}
