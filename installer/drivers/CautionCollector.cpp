#include "installer/drivers/CautionCollector.h"

#include "common/error.h"

namespace driver {

void CautionCollector::visitRelease(const ReleasePtr&)
{
    throw KW_INTERNAL_ERROR() << " (the caution collector is not built yet)";
}

namespace web {

void CautionCollector::take(const std::string& caution) { cautions_.push_back(caution); }

}  // namespace web

}  // namespace driver
