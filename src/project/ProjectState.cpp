#include "project/ProjectState.h"

#include "project/ItemTableModel.h"
#include "project/PathResolve.h"

ProjectState::ProjectState(QObject *parent)
    : QObject(parent), m_model(new ItemTableModel(m_items, this))
{
}

ProjectState::~ProjectState() = default;

void ProjectState::setCurrentItem(qsizetype item)
{
    const qsizetype last = m_items.count() - 1;
    m_currentItem = item < 0 ? NoItem : item > last ? last : item;
    Q_EMIT currentItemChanged(m_currentItem);
}

QString ProjectState::folderWithSeparator()
{
    // An empty folder stays empty: item names then resolve against the working
    // directory instead of the file system's root.
    if (!m_folderPath.isEmpty() && !m_folderPath.endsWith(QLatin1Char('/')) &&
        !m_folderPath.endsWith(QLatin1Char('\\')))
        m_folderPath += QLatin1Char('/');
    return m_folderPath;
}

QString ProjectState::itemFilePath(qsizetype item)
{
    return pathresolve::resolve(folderWithSeparator() + m_items.fileName(item));
}

void ProjectState::setProjectFile(const QString &path)
{
    m_projectFile = path;
    Q_EMIT projectFileChanged(path);
}

void ProjectState::beginLoad()
{
    Q_EMIT loadStarted();
    m_model->beginReplace();
}

void ProjectState::endLoad()
{
    m_model->endReplace();
    Q_EMIT loadFinished();
}
