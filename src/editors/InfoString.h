#pragma once

#include "project/ItemType.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// An info string item file is one TAB-separated text. Three of its fields (name,
// info, selection list) are edited; every other field is carried unchanged.
namespace infostring {

// The longest content the terminal takes.
constexpr qsizetype MaxLength = 240;

// Field number of the name: 5 for type "I", 2 for every other type ("F").
// Info and selection list follow it.
int fieldBase(ItemType type);

struct Fields
{
    QString name;
    QString info;
    QString selectionList;

    // A file is usable only with a name and an info text.
    bool usable() const { return !name.isEmpty() && !info.isEmpty(); }
};

Fields fields(QStringView content, ItemType type);

// The selection texts of a list such as "0-Off;1-On": entries up to the first
// empty one; of each, the text after its first "-" (empty without one).
QStringList selectionTexts(QStringView selectionList);

// "0-Off;1-On": entry i is i, "-" and its text.
QString selectionList(const QStringList &texts);

enum class EditResult {
    Ok,
    InternalError, // the content has too few fields to replace
    TooLong,       // the edited content exceeds MaxLength
};

// Puts name, info and (when there are any) the selections into content. The
// replacements stay in content even when the result is too long.
EditResult applyEdit(QString &content, ItemType type, const QString &name, const QString &info,
                     const QStringList &selections);

} // namespace infostring
