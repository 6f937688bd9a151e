#include "project/FolderIndex.h"

namespace pathresolve {
namespace {

// Nearly every name is ASCII: fold it in one pass into one new string; the
// Unicode tables only for the rest.
QString key(QStringView name)
{
    const QStringView plain = windowsName(name);
    QString folded(plain.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(folded.data());
    for (const QChar c : plain) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return plain.toString().toCaseFolded();
        *out++ = u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u;
    }
    return folded;
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
