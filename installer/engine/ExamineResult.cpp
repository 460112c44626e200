#include "installer/engine/ExamineResult.h"

std::ostream& operator<<(std::ostream& out, const ExamineResult& result)
{
    return out << "examination " << result.name << (result.unpassed ? " unpassed" : " warning");
}
