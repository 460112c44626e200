#include "installer/reporters/StatusReporter.h"

#include "installer/options/OutputSettings.h"

#include "common/Lock.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/xmlbind.h"

#include <tinyxml.h>

#include <cstring>

namespace {

// A text field of the record; another process writes them, so a missing NUL
// ends the text at the field's end.
template <std::size_t size>
std::string field(const char (&text)[size])
{
    return std::string(text, strnlen(text, size));
}

TiXmlElement progressElement(const Progress::Record& record)
{
    TiXmlElement progress("progress");
    if (record.finished) xmlbind::setAttribute(&progress, "finished", "true");
    if (record.failed) {
        xmlbind::setAttribute(&progress, "failed", "true");
        TiXmlElement failure("error");
        xmlbind::addText(&failure, field(record.error));
        progress.InsertEndChild(failure);
    }
    TiXmlElement stage("stage");
    xmlbind::setAttribute(&stage, "stage", std::to_string(record.stage));
    xmlbind::setAttribute(&stage, "stage_n", std::to_string(record.stageCount));
    xmlbind::setAttribute(&stage, "id", field(record.stageId));
    xmlbind::setAttribute(&stage, "title", field(record.stageTitle));
    progress.InsertEndChild(stage);
    TiXmlElement step("step");
    xmlbind::setAttribute(&step, "step", std::to_string(record.step));
    xmlbind::setAttribute(&step, "step_n", std::to_string(record.stepCount));
    xmlbind::setAttribute(&step, "id", field(record.stepId));
    xmlbind::setAttribute(&step, "title", field(record.stepTitle));
    progress.InsertEndChild(step);
    return progress;
}

}  // namespace

StatusReporter::StatusReporter(std::int32_t status, const std::string& message) : Reporter(status, message) {}

StatusReporter StatusReporter::forLockState()
{
    if (Lock::test(0) != 0) return StatusReporter(statusBusy, Messages::get("status_locked_by_another"));
    return StatusReporter(statusOk, Messages::get("status_not_locked"));
}

std::ostream& StatusReporter::put(std::ostream& out) const
{
    Progress::Record record;
    {
        Progress::SharedStatus shared;
        std::memcpy(&record, &shared.data(), sizeof record);
    }

    if (xmlOutput) {
        const TiXmlElement progress = progressElement(record);
        return printXml(out, &progress);
    }

    Reporter::put(out);
    out << "\n";
    if (record.finished) {
        if (record.failed)
            out << "Kitwright failed: " << field(record.error) << "\n";
        else
            out << "Kitwright finished. \n";
        out << "\n";
    }
    if (record.stage != 0) {
        out << "Overall progress: " << record.stage << "/" << record.stageCount << ": - " << field(record.stageTitle)
            << "\n";
        out << "Current step: " << record.step << "/" << record.stepCount << ": - " << field(record.stepTitle) << "\n";
    }
    out.flush();
    return out;
}
