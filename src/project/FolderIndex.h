#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace pathresolve {

// A name as the system the projects come from reads it: trailing blanks and
// dots do not count ("Beep.con " and "Beep.con." name "Beep.con"). A name made
// of nothing else ("." or "..") stays as it is.
QStringView windowsName(QStringView name);

// The names of one folder by their letter-case-free spelling, for matching
// names that do not exist as written. Built once from one listing, in the
// listing's order; nothing is sorted.
class FolderIndex
{
public:
    FolderIndex() = default;
    explicit FolderIndex(const QStringList &names);

    // The name on disk that written stands for, or an empty string when none
    // does. Of several names that differ only in letter case, the one spelt
    // exactly as written wins (trailing blanks and dots aside); otherwise the
    // lowest in code-unit order, so the choice never depends on the listing.
    QString match(const QString &written) const;

    qsizetype size() const { return m_names; }

private:
    QHash<QString, QStringList> m_byKey;
    qsizetype m_names = 0;
};

} // namespace pathresolve
