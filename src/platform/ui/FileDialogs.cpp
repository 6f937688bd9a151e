#include "platform/ui/FileDialogs.h"
#include "platform/PlatformError.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>

QStringList FileDialogs::qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString description = parts[i];
        filters << (description.contains(QLatin1Char('('))
                        ? description.left(description.indexOf(QLatin1Char('('))).trimmed() +
                              QStringLiteral(" (") + patterns + QLatin1Char(')')
                        : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}

namespace {

FileDialogs::Result runDialog(const FileDialogs::Request &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    const QStringList filters = FileDialogs::qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.initialName.isEmpty()) {
        const QFileInfo info(request.initialName);
        if (info.isDir()) {
            dialog.setDirectory(info.absoluteFilePath());
        } else {
            if (info.absoluteDir().exists())
                dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {platformerror::DialogCancelled, {}};
    return {0, dialog.selectedFiles().constFirst()};
}

} // namespace

FileDialogs::Result SystemFileDialogs::open(const Request &request)
{
    return runDialog(request, QFileDialog::AcceptOpen);
}

FileDialogs::Result SystemFileDialogs::save(const Request &request)
{
    return runDialog(request, QFileDialog::AcceptSave);
}

std::optional<QFont> SystemFileDialogs::chooseFont(const QFont &initial, const QString &title)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, QApplication::activeWindow(), title);
    if (!ok)
        return std::nullopt;
    return font;
}
