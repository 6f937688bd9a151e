#pragma once

#include "platform/PlatformError.h"
#include "project/PathResolve.h"

#include <QString>

#include <functional>

class ItemTable;

// Building an extended firmware file from an item table and an original
// firmware file. Pure of windows: progress and the outcome come back as values.
namespace compile {

// Where a compile stands: the stages it passes in order, then how it ended.
enum class Stage { Processing, Constructing, Checksum, Completed, Error };

// The status line's text for a stage ("Processing Resource Items...",
// "Constructing Resource file...", "Calculating Checksum...", "Completed",
// "Error").
QString statusText(Stage stage);

QString differentFilesMessage(); // "Original and Output files must be different"

struct Outcome
{
    Stage stage = Stage::Error; // Completed or Error
    // A failed check's own message; empty when a file operation failed.
    QString checkMessage;
    // The step that failed and its platform error, for file operations.
    QString context;
    PlatformError error;
    qsizetype failingItem = -1; // the item being processed when it failed

    bool ok() const { return stage == Stage::Completed; }
    // What the user is told: the check's message, or the context followed by
    // the error number and description.
    QString message() const;
};

constexpr qint64 DefaultReadAhead = 16 << 20;

struct Request
{
    const ItemTable &items;
    // The project folder with its trailing separator (or empty: item files then
    // lie in the working directory).
    QString folderPath;
    QString originalPath;
    QString outputPath;
    // Called with each stage as the compile reaches it.
    std::function<void(Stage)> progress;
    // How many bytes of items are read while they are measured, so that each
    // of their files is opened once; the items after them are measured first
    // and read while the output is written. Bounds the compile's memory.
    qint64 readAhead = DefaultReadAhead;
    // Lists a folder whose names must be matched without regard to letter
    // case; empty: the file system's own listing.
    pathresolve::Lister lister = {};
};

// Writes the output atomically: on any failure an existing output file is left
// exactly as it was, and no other file is written.
Outcome run(const Request &request);

} // namespace compile
