#include "editors/InfoString.h"

#include "project/TextFields.h"

namespace infostring {
namespace {
const QChar Tab = QLatin1Char('\t');
const QChar Semicolon = QLatin1Char(';');
} // namespace

int fieldBase(ItemType type)
{
    return type == ItemType::InfoStringI ? 5 : 2;
}

Fields fields(QStringView content, ItemType type)
{
    const int base = fieldBase(type);
    return {textfields::GetField(content, Tab, base), textfields::GetField(content, Tab, base + 1),
            textfields::GetField(content, Tab, base + 2)};
}

QStringList selectionTexts(QStringView selectionList)
{
    // By the field splitting rule only field 0 (list starts with ";") or the
    // last field can be empty, and runs of ";" count as one, so the entries up
    // to the first empty one are the non-empty pieces, unless field 0 is empty.
    QStringList texts;
    if (selectionList.isEmpty() || selectionList.front() == Semicolon)
        return texts;
    for (const QStringView entry : selectionList.tokenize(Semicolon, Qt::SkipEmptyParts)) {
        const qsizetype dash = entry.indexOf(QLatin1Char('-'));
        texts.append(dash < 0 ? QString() : entry.mid(dash + 1).toString());
    }
    return texts;
}

QString selectionList(const QStringList &texts)
{
    QString list;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i > 0)
            list += Semicolon;
        list += textfields::PlainNumber(static_cast<long long>(i)) + QLatin1Char('-') + texts[i];
    }
    return list;
}

EditResult applyEdit(QString &content, ItemType type, const QString &name, const QString &info,
                     const QStringList &selections)
{
    const int base = fieldBase(type);
    if (textfields::SetField(content, name, Tab, base) != 0 ||
        textfields::SetField(content, info, Tab, base + 1) != 0)
        return EditResult::InternalError;
    if (!selections.isEmpty() &&
        textfields::SetField(content, selectionList(selections), Tab, base + 2) != 0)
        return EditResult::InternalError;
    return content.size() > MaxLength ? EditResult::TooLong : EditResult::Ok;
}

} // namespace infostring
