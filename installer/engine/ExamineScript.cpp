#include "installer/engine/ExamineScript.h"

ExamineScript::ExamineScript(const ExamineStep& step)
    : step_(step),
      scriptPath_(resolve(step.directory, step.script)),
      launcherPath_(resolve(step.directory, step.launcher))
{
}

std::string ExamineScript::resolve(const std::string& directory, const std::string& path)
{
    if (path.empty()) return path;
    // A build information file at the top of the catalogue has the directory "/":
    // its scripts lie at the source root too.
    const std::string joined = path[0] == '/' ? path : directory + path;
    const std::string::size_type first = joined.find_first_not_of('/');
    return first == std::string::npos ? std::string() : joined.substr(first);
}

bool ExamineScript::operator==(const ExamineScript& other) const
{
    return step_.scope == other.step_.scope && step_.name == other.step_.name &&
           launcherPath_ == other.launcherPath_ && scriptPath_ == other.scriptPath_ &&
           step_.options == other.step_.options && step_.always == other.step_.always;
}

std::ostream& operator<<(std::ostream& out, const ExamineScript& script)
{
    return out << "examination " << script.name() << " (" << script.scriptPath() << ")";
}
