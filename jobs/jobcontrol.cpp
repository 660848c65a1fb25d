#include "jobs/jobcontrol.h"

#include "archive/text.h"

QString jobStepText(JobStep step)
{
    switch (step) {
    case JobStep::None:
        return {};
    case JobStep::Writing:
        return CoreText::tr("Writing");
    case JobStep::Updating:
        return CoreText::tr(
            "Updating the package in place: do not remove the drive until it is done.");
    case JobStep::Finishing:
        return CoreText::tr("Finishing: writing the last data to the stick");
    case JobStep::Verifying:
        return CoreText::tr("Verifying");
    }
    return {};
}
