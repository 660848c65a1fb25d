#pragma once

#include "jobs/joboutcome.h"
#include "media/mediaconvert.h"

#include <QString>
#include <QStringList>
#include <QVector>

class JobControl;

// Bringing files the player cannot take as they are into the playlist: each
// is looked into, then converted into the cache; the rows play the copies.

// A file and what would make it playable.
struct ImportPlan
{
    QString source;
    ConversionPlan plan;  // kind None: a file of a folder the player takes as it is
    bool refused = false; // missing, or neither an image nor a video read here
    // How many of the files added at once were picked before it: its row
    // goes among theirs in the order picked.
    int slot = 0;
};

// Looks into each file (blocking: a job's work); none when cancelled. A
// folder stands for its media, oldest first; places[i] is files[i]'s slot.
QVector<ImportPlan> planImports(const QStringList &files, const QVector<int> &places,
                                JobControl *control);

// What the conversions made: sources[i] was converted to copies[i] (the same
// file when taken as it is) and goes in at places[i]. Done when every file
// was; failed when failures names some; cancelled when a cancel stopped it.
struct ImportOutcome : JobOutcome
{
    QStringList sources;
    QStringList copies;
    QVector<int> places;
    QStringList failures; // one message per file that was not converted
};

// Converts the files one after the other (blocking), reporting bytes done of
// the sources' total. Cancel stops at once; the files not converted by then
// are named in failures.
ImportOutcome convertImports(const QVector<ImportPlan> &plans, JobControl *control);

// Where the rows for the imported files go and what they are given.
struct ImportPlace
{
    int row = 0; // the first new row's index; past the end: at the end
    QString time;
    QString transition;
    QString command; // the undo step's name
    bool select = false;
};
