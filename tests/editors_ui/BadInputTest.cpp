#include "editors/ui/FormConstant.h"
#include "editors/ui/FormInfoString.h"
#include "support/EditorWindowFixture.h"

#include <QPushButton>

#include <memory>
#include <random>

namespace {

// Files of any size and content: the windows open, report what they must and
// leave the file as it was unless a valid edit is confirmed.
class BadInputTest : public EditorWindowTest
{
protected:
    std::unique_ptr<QDialog> open(const char *type)
    {
        if (*type == 'C')
            return std::make_unique<FormConstant>(state, services);
        return std::make_unique<FormInfoString>(state, services);
    }
    static void click(QDialog &form, const char *button)
    {
        form.findChild<QPushButton *>(QString::fromLatin1(button))->click();
    }
};

TEST_F(BadInputTest, AnyFileOpensAndStaysAsItWas)
{
    QByteArray all, manyFields, random(10 * 1024 * 1024, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    for (int n = 0; n < 500; ++n)
        manyFields += "f" + QByteArray::number(n) + '\t';
    std::mt19937 generator(5);
    for (char &b : random)
        b = static_cast<char>(generator() & 0xFF);
    const QByteArray files[] = {QByteArray(),         all,    QByteArray(300, 'x'),
                                manyFields,           random, QByteArray(1000, '\t'),
                                QByteArray(1000, ';')};
    const QString file = QStringLiteral("Item\\x.txt");
    for (const char *type : {"C", "I", "F"}) {
        for (const QByteArray &bytes : files) {
            useItem(QString::fromLatin1(type), file, bytes);
            const auto form = open(type);
            form->show();
            EXPECT_LE(messages.shown.size(), 1u);
            // The info string window's OK saves the same bytes, refuses, or is
            // disabled; the constant window always writes its number.
            click(*form, *type == 'C' ? "CmdCancel" : "CmdOK");
            EXPECT_TRUE(readFile(file) == bytes) << type << " " << bytes.size() << " bytes";
        }
    }
}

TEST_F(BadInputTest, FailedWriteShowsTheAccessMessageAndStaysOpen)
{
    for (const char *type : {"C", "F"}) {
        const QString file = QStringLiteral("Item\\") + QString::fromLatin1(type);
        useItem(QString::fromLatin1(type), file, "a\tb\tN\tI\t0-x");
        const auto form = open(type);
        form->show();
        // A folder where the file was: every write fails, even the superuser's.
        QFile::remove(diskPath(file));
        QDir().mkpath(diskPath(file));
        click(*form, "CmdOK");
        EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Could not access Resource file "
                                                               "('Item/%1'): 75: Path/File "
                                                               "access error")
                                                    .arg(QString::fromLatin1(type))});
        EXPECT_TRUE(form->isVisible());
    }
}

} // namespace
