#include "jobs/jobcontrol.h"

#include "archive/packagefile.h"

QString jobStepText(JobStep step)
{
    switch (step) {
    case JobStep::None:
        return {};
    case JobStep::Writing:
        return archiveText("Writing");
    case JobStep::Updating:
        return archiveText(
            "Updating the package in place: do not remove the drive until it is done.");
    case JobStep::Finishing:
        return archiveText("Finishing: writing the last data to the stick");
    case JobStep::Verifying:
        return archiveText("Verifying");
    }
    return {};
}
