#include "installer/catalogue/ExamineStep.h"

std::ostream& operator<<(std::ostream& out, const ExamineStep& step)
{
    return out << "examine " << step.name << " (" << step.directory << step.script << ")";
}
