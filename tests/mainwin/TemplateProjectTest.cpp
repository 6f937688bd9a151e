#include "support/QtPrinting.h"

#include "editors/GraphicCodec.h"
#include "editors/InfoString.h"
#include "editors/ItemLimits.h"
#include "platform/CodePage.h"
#include "project/ItemTable.h"
#include "project/NewProject.h"
#include "project/ProjectFile.h"
#include "project/TextFields.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The template installed beside the program, as every new project starts.
TEST(TemplateProject, EveryItemFileIsValidForItsType)
{
    const QString root = newproject::templateFolder(qEnvironmentVariable("FENDREL_BIN_DIR"));
    ItemTable items;
    ASSERT_TRUE(projectfile::parse(readAll(root + u"/Resource.k7r"_s), items).ok());
    ASSERT_GE(items.count(), 24);

    QSet<QString> types;
    QSet<QString> folders;
    bool logo = false;
    for (qsizetype i = 0; i < items.count(); ++i) {
        const ItemTable::Item item = items.at(i);
        SCOPED_TRACE(item.fileName.toStdString());
        QString relative = item.fileName;
        relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QByteArray bytes = readAll(root + QLatin1Char('/') + relative);
        ASSERT_FALSE(bytes.isEmpty());
        const ItemType type = items.type(i);
        types << item.typeLetter;
        folders << relative.section(QLatin1Char('/'), 0, 0);
        EXPECT_FALSE(item.help.isEmpty());

        if (type == ItemType::Graphic) {
            const int width = static_cast<unsigned char>(bytes[0]);
            const int bands = static_cast<unsigned char>(bytes[1]);
            EXPECT_EQ(bytes.size(), 2 + width * bands);
            EXPECT_TRUE(
                graphiccodec::sizeInRange(width, 8 * bands, itemlimits::parseGraphic(item.limits)));
            logo = logo || (width == 104 && bands == 7);
        } else if (type == ItemType::Constant) {
            const QString text = codepage::decode(bytes);
            EXPECT_EQ(textfields::PlainNumber(textfields::LeadingNumber(text)), text);
            EXPECT_TRUE(
                itemlimits::parseConstant(item.limits).contains(textfields::LeadingNumber(text)));
            EXPECT_FALSE(item.limits.isEmpty());
        } else if (isInfoString(type)) {
            QString content = codepage::decode(bytes);
            EXPECT_LE(content.size(), infostring::MaxLength);
            const infostring::Fields fields = infostring::fields(content, type);
            EXPECT_TRUE(fields.usable());
            const QStringList selections = infostring::selectionTexts(fields.selectionList);
            EXPECT_GE(selections.size(), 2);
            // saving it unchanged writes the same bytes
            const QString before = content;
            EXPECT_EQ(infostring::applyEdit(content, type, fields.name, fields.info, selections),
                      infostring::EditResult::Ok);
            EXPECT_EQ(content, before);
        }
    }
    EXPECT_TRUE(logo);
    EXPECT_EQ(folders,
              QSet<QString>(newproject::kSubfolders.begin(), newproject::kSubfolders.end()));
    for (const char *type : {"G", "C", "I", "F"})
        EXPECT_TRUE(types.contains(QString::fromLatin1(type))) << type;
    EXPECT_GE(types.size(), 6); // at least two types that are only carried along
}

} // namespace
