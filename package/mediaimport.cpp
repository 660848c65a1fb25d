#include "package/mediaimport.h"
#include "app/mainwindow.h"
#include "archive/text.h"

#include "jobs/jobcontrol.h"
#include "media/capturetime.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {} // namespace

QVector<ImportPlan> planImports(const QStringList &files, const QVector<int> &places,
                                JobControl *control)
{
    QVector<ImportPlan> plans;
    for (int i = 0; i < files.size(); ++i) {
        const QString &file = files.at(i);
        if (jobCancelled(control))
            return {}; // nothing is asked about, nothing added
        if (control)
            control->report(i, files.size(), file);
        const int slot = places.value(i);
        const QFileInfo info(file);
        if (info.isDir()) {
            const QStringList media = mediaInFolder(file);
            for (const QString &inside : media) {
                if (jobCancelled(control))
                    return {};
                const ConversionPlan plan = planConversion(inside);
                plans.append({inside, plan, plan.kind == ConversionPlan::Kind::Unsupported, slot});
            }
            if (media.isEmpty())
                plans.append({file, {}, true, slot});
            continue;
        }
        ImportPlan plan{file, {}, true, slot};
        // planConversion takes anything that is not a file for one the player takes.
        if (info.isFile()) {
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
        const bool asItIs = plan.plan.kind == ConversionPlan::Kind::None;
        sizes.append(asItIs ? 0 : qMax<qint64>(1, QFileInfo(plan.source).size()));
        total += sizes.last();
    }
    ImportOutcome outcome;
    bool cancelled = false;
    qint64 before = 0;
    for (int i = 0; i < plans.size(); ++i) {
        const QString &source = plans.at(i).source;
        if (plans.at(i).plan.kind == ConversionPlan::Kind::None) {
            outcome.sources.append(source);
            outcome.copies.append(source);
            outcome.places.append(plans.at(i).slot);
            continue;
        }
        cancelled = cancelled || jobCancelled(control);
        if (cancelled) {
            outcome.failures.append(
                MainWindow::tr("%1 was not converted: cancelled.").arg(quoted(source)));
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
            outcome.places.append(plans.at(i).slot);
        } else if (error.isEmpty()) {
            cancelled = true;
            outcome.failures.append(
                MainWindow::tr("%1 was not converted: cancelled.").arg(quoted(source)));
        } else {
            outcome.failures.append(error);
        }
    }
    if (control)
        control->report(total, total);
    outcome.status = cancelled                    ? ImportOutcome::Status::Cancelled
                     : outcome.failures.isEmpty() ? ImportOutcome::Status::Done
                                                  : ImportOutcome::Status::Failed;
    return outcome;
}
