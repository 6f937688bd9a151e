#include "project/FolderIndex.h"

namespace pathresolve {
namespace {

QString key(QStringView name)
{
    return windowsName(name).toString().toCaseFolded();
}

} // namespace

QStringView windowsName(QStringView name)
{
    qsizetype end = name.size();
    while (end > 0 && (name[end - 1] == QLatin1Char(' ') || name[end - 1] == QLatin1Char('.')))
        --end;
    return end == 0 ? name : name.left(end);
}

FolderIndex::FolderIndex(const QStringList &names)
{
    m_byKey.reserve(names.size());
    for (const QString &name : names)
        m_byKey[key(name)].append(name);
    m_names = names.size();
}

QString FolderIndex::match(const QString &written) const
{
    const auto found = m_byKey.constFind(key(written));
    if (found == m_byKey.cend())
        return {};
    const QStringList &names = *found;
    const QStringView plain = windowsName(written);
    const QString *best = &names.front();
    for (const QString &name : names) {
        if (name == written)
            return name;
        const bool bestPlain = *best == plain;
        if (name == plain ? !bestPlain : (!bestPlain && name < *best))
            best = &name;
    }
    return *best;
}

} // namespace pathresolve
