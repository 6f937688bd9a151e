#include "UnpackPlan.h"

#include "project/ItemTable.h"

#include <QHash>
#include <QStringList>

namespace unpackplan {

std::optional<QString> underFolder(const QString &fileName, std::vector<QString> *folders)
{
    QString slashed = fileName;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList pieces = slashed.split(QLatin1Char('/'));
    QStringList parts;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QString &piece = pieces[i];
        const bool last = i + 1 == pieces.size();
        const bool name =
            !piece.isEmpty() && piece != QLatin1String(".") && piece != QLatin1String("..");
        if (last && !name)
            return std::nullopt;
        if (piece == QLatin1String("..")) {
            if (parts.isEmpty())
                return std::nullopt;
            parts.removeLast();
            continue;
        }
        if (!name)
            continue;
        parts << piece;
        if (!last && folders)
            folders->push_back(parts.join(QLatin1Char('/')));
    }
    return parts.join(QLatin1Char('/'));
}

QString numberedName(qint64 item)
{
    return QStringLiteral("item%1.bin").arg(item, 5, 10, QLatin1Char('0'));
}

QByteArray listing(qint64 count)
{
    QByteArray text;
    for (qint64 k = 0; k < count; ++k)
        text += QStringLiteral("Item %1\t%2\tUnpacked item\tX\r\n")
                    .arg(k)
                    .arg(numberedName(k))
                    .toLatin1();
    return text;
}

Plan make(const ItemTable *items, qint64 count, const QString &projectName)
{
    Plan plan;
    // Who first claimed a path, as a file or as a folder.
    QHash<QString, qint64> fileOwner;
    QHash<QString, qint64> folderOwner;
    fileOwner.insert(QLatin1String(OriginalName), -1);
    fileOwner.insert(projectName, -2);
    const auto claimedBy = [](qint64 owner) {
        return owner == -1 ? QStringLiteral("the firmware image goes")
                           : QStringLiteral("the project file goes");
    };
    std::vector<QString> folders;
    for (qint64 k = 0; k < count; ++k) {
        const QString written = items ? items->fileName(k) : numberedName(k);
        folders.clear();
        const std::optional<QString> path = underFolder(written, &folders);
        if (!path) {
            plan.error = QStringLiteral("item %1 names \"%2\", which leads out of the folder or "
                                        "names no file")
                             .arg(k)
                             .arg(written);
            return plan;
        }
        for (const QString &folder : folders) {
            if (const auto file = fileOwner.constFind(folder); file != fileOwner.cend()) {
                plan.error = *file < 0 ? QStringLiteral("item %1 needs a folder \"%2\" where %3")
                                             .arg(k)
                                             .arg(folder, claimedBy(*file))
                                       : QStringLiteral("items %1 and %2: \"%3\" is a file for "
                                                        "one and a folder for the other")
                                             .arg(*file)
                                             .arg(k)
                                             .arg(folder);
                return plan;
            }
            if (!folderOwner.contains(folder)) {
                folderOwner.insert(folder, k);
                plan.folders.push_back(folder);
            }
        }
        if (const auto folder = folderOwner.constFind(*path); folder != folderOwner.cend()) {
            plan.error = QStringLiteral("items %1 and %2: \"%3\" is a folder for one and a file "
                                        "for the other")
                             .arg(*folder)
                             .arg(k)
                             .arg(*path);
            return plan;
        }
        const auto owner = fileOwner.constFind(*path);
        if (owner == fileOwner.cend()) {
            fileOwner.insert(*path, k);
            plan.files.push_back({*path, k});
        } else if (*owner < 0) {
            plan.error = QStringLiteral("item %1 names \"%2\", where %3")
                             .arg(k)
                             .arg(written, claimedBy(*owner));
            return plan;
        } else {
            plan.twins.emplace_back(k, *owner);
        }
    }
    return plan;
}

} // namespace unpackplan
