#include "package/mediaimport.h"

#include "jobs/jobcontrol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MediaImport", text);
}

QString quoted(const QString &path)
{
    return QStringLiteral("“%1”").arg(QDir::toNativeSeparators(path));
}

} // namespace

QVector<ImportPlan> planImports(const QStringList &files, JobControl *control)
{
    QVector<ImportPlan> plans;
    for (const QString &file : files) {
        if (jobCancelled(control))
            return {}; // nothing is asked about, nothing added
        if (control)
            control->report(plans.size(), files.size(), file);
        ImportPlan plan{file, {}, true};
        // planConversion takes anything that is not a file for one the player takes.
        if (QFileInfo(file).isFile()) {
            plan.plan = planConversion(file);
            plan.refused = plan.plan.kind == ConversionPlan::Kind::Unsupported ||
                           plan.plan.kind == ConversionPlan::Kind::None;
        }
        plans.append(plan);
    }
    return plans;
}

ImportOutcome convertImports(const QVector<ImportPlan> &plans, JobControl *control)
{
    QVector<qint64> sizes;
    qint64 total = 0;
    for (const ImportPlan &plan : plans) {
        sizes.append(qMax<qint64>(1, QFileInfo(plan.source).size()));
        total += sizes.last();
    }
    ImportOutcome outcome;
    qint64 before = 0;
    for (int i = 0; i < plans.size(); ++i) {
        const QString &source = plans.at(i).source;
        outcome.cancelled = outcome.cancelled || jobCancelled(control);
        if (outcome.cancelled) {
            outcome.failures.append(tr("%1 was not converted: cancelled.").arg(quoted(source)));
            continue;
        }
        // The conversion reports its own file's bytes and checks its own cancel flag.
        JobControl *own = nullptr;
        JobControl file([&](const JobProgress &progress) {
            if (jobCancelled(control))
                own->requestCancel();
            if (control)
                control->report(before +
                                    progress.done * sizes.at(i) / qMax<qint64>(1, progress.total),
                                total, source);
        });
        own = &file;
        if (control)
            control->report(before, total, source);
        QString error;
        const QString copy = convertForPackage(source, plans.at(i).plan, &file, &error);
        before += sizes.at(i);
        if (!copy.isEmpty()) {
            outcome.sources.append(source);
            outcome.copies.append(copy);
        } else if (error.isEmpty()) {
            outcome.cancelled = true;
            outcome.failures.append(tr("%1 was not converted: cancelled.").arg(quoted(source)));
        } else {
            outcome.failures.append(error);
        }
    }
    if (control)
        control->report(total, total);
    return outcome;
}
