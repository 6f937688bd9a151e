#pragma once

#include "platform/PlatformError.h"

#include <QString>

#include <functional>

class ItemTable;

// Building an extended firmware file from an item table and an original
// firmware file. Pure of windows: progress and the outcome come back as values.
namespace compile {

// The status texts of a compile, in the order they appear.
QString processingStatus();   // "Processing Resource Items..."
QString constructingStatus(); // "Constructing Resource file..."
QString checksumStatus();     // "Calculating Checksum..."
QString completedStatus();    // "Completed"
QString errorStatus();        // "Error"

QString differentFilesMessage(); // "Original and Output files must be different"

struct Outcome
{
    QString status; // completedStatus() or errorStatus()
    // A failed check's own message; empty when a file operation failed.
    QString checkMessage;
    // The step that failed and its platform error, for file operations.
    QString context;
    PlatformError error;
    qsizetype failingItem = -1; // the item being processed when it failed

    bool ok() const { return status == completedStatus(); }
    // What the user is told: the check's message, or the context followed by
    // the error number and description.
    QString message() const;
};

struct Request
{
    const ItemTable &items;
    // The project folder with its trailing separator (or empty: item files then
    // lie in the working directory).
    QString folderPath;
    QString originalPath;
    QString outputPath;
    // Called with each status text as the compile reaches it.
    std::function<void(const QString &)> progress;
};

// Writes the output atomically: on any failure an existing output file is left
// exactly as it was, and no other file is written.
Outcome run(const Request &request);

} // namespace compile
