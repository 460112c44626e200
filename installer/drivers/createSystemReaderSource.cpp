#include "installer/drivers/createSystemReaderSource.h"

#include "common/error.h"

void createSystemReaderSource(Repository&, bool, const Opsys&)
{
    throw KW_INTERNAL_ERROR() << " (the system package reader is not built yet)";
}

Source* getSystemReaderSource() { return nullptr; }
