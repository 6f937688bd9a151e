#include "ProjectLoader.h"

#include "BusyPointer.h"
#include "ItemTable.h"
#include "ProjectFile.h"
#include "ProjectState.h"
#include "Services.h"
#include "Settings.h"
#include "TextFields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace projectloader {
namespace {

// The project file's bytes, mapped when the system allows it so that a huge
// project is not held twice while the table is built.
class ProjectBytes
{
public:
    PlatformError open(const QString &path)
    {
        if (QFileInfo(path).isDir())
            return platformerror::make(platformerror::PathFileAccess);
        m_file.setFileName(path);
        errno = 0;
        if (!m_file.open(QIODevice::ReadOnly))
            return platformerror::fromFile(m_file, errno);
        const qint64 size = m_file.size();
        if (size == 0)
            return {};
        m_mapped = m_file.map(0, size);
        if (m_mapped) {
            m_view = QByteArrayView(reinterpret_cast<const char *>(m_mapped), size);
            return {};
        }
        errno = 0;
        m_copy = m_file.readAll();
        if (m_file.error() != QFileDevice::NoError)
            return platformerror::fromFile(m_file, errno);
        m_view = m_copy;
        return {};
    }
    QByteArrayView bytes() const { return m_view; }

private:
    QFile m_file;
    uchar *m_mapped = nullptr;
    QByteArray m_copy;
    QByteArrayView m_view;
};

QString joinPath(const QString &folder, const QString &fileName)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

// Steps shared by both operations once the setting and folder path are set.
int load(ProjectState &state, Services &services, const QString &fullPath)
{
    ProjectBytes file;
    if (const PlatformError error = file.open(fullPath); error.isError()) {
        services.messages.show(error.text());
        return -1;
    }

    projectfile::ParseResult result;
    {
        BusyPointer busy;
        state.beginLoad();
        state.items().clear();
        result = projectfile::parse(file.bytes(), state.items());
        state.endLoad();
    }

    switch (result.failure) {
    case projectfile::ParseResult::Failure::None:
        state.setCurrentRow(1);
        state.setProjectFile(QDir::toNativeSeparators(fullPath));
        return 0;
    case projectfile::ParseResult::Failure::InvalidLine:
        // the last accepted item stays current, as it was when the line came
        state.setCurrentRow(static_cast<int>(state.items().count()));
        services.messages.show(QStringLiteral("Invalid Project File Data at line ") +
                               textfields::BlankSignedNumber(static_cast<long long>(result.line)));
        return -1;
    case projectfile::ParseResult::Failure::NoItems:
        state.setCurrentRow(0);
        services.messages.show(noItemsError().text());
        return -1;
    }
    return -1;
}

} // namespace

PlatformError noItemsError()
{
    return {30009, QStringLiteral("The project file lists no items")};
}

int LoadProject(ProjectState &state, Services &services, const QString &fileName,
                const QString &folder)
{
    settings::write(QLatin1String(kSettingKey), folder);
    state.setFolderPath(folder);
    return load(state, services, joinPath(folder, fileName));
}

int OpenProject(ProjectState &state, Services &services)
{
    FileDialogs::Request request;
    request.title = QLatin1String(kDialogTitle);
    request.filter = QLatin1String(kDialogFilter);
    request.filterIndex = 1;
    request.initialName = settings::read(QLatin1String(kSettingKey));
    request.overwritePrompt = true;

    FileDialogs::Result answer;
    for (;;) {
        answer = services.dialogs.open(request);
        if (answer.error != platformerror::InvalidFileName)
            break;
        request.initialName.clear();
    }
    if (answer.error == platformerror::DialogCancelled)
        return -1;
    if (answer.error != 0) {
        services.messages.show(platformerror::make(answer.error).text());
        return -1;
    }

    const QString fullPath = answer.fileName;
    settings::write(QLatin1String(kSettingKey), fullPath);
    const qsizetype cut =
        std::max(fullPath.lastIndexOf(QLatin1Char('/')), fullPath.lastIndexOf(QLatin1Char('\\')));
    const QString folder = fullPath.left(cut + 1);
    state.setFolderPath(folder);
    // The dialog leaves the working directory at the chosen file's folder.
    if (!folder.isEmpty())
        QDir::setCurrent(folder);
    return load(state, services, fullPath);
}

} // namespace projectloader
