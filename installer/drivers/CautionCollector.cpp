#include "installer/drivers/CautionCollector.h"

namespace driver {

void CautionCollector::visitRelease(const ReleasePtr& release)
{
    if (!release->isSelected()) return;
    const std::string caution = release->getCaution();
    if (!caution.empty()) take(caution);
}

namespace web {

void CautionCollector::take(const std::string& caution) { cautions_.push_back(caution); }

}  // namespace web

}  // namespace driver
