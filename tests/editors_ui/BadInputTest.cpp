#include "editors/ui/FormConstant.h"
#include "editors/ui/FormInfoString.h"
#include "support/EditorWindowFixture.h"
#include "support/ItemKinds.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <chrono>
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
    // 65,535 bytes: the most an item may hold
    QByteArray all, manyFields, random(65535, Qt::Uninitialized);
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

// Nothing an editor reads may make the window wait: a FIFO, a device, a
// folder or a file bigger than an item is refused with a message naming it,
// and the window does not open.
TEST_F(BadInputTest, NoKindOfFileKeepsTheWindowWaiting)
{
    using itemkinds::Kind;
    const QString access = QStringLiteral("Could not access Resource file ('Misc/thing'):");
    const QString notAFile = access + QStringLiteral(" 75: Path/File access error");
    const struct
    {
        Kind kind;
        bool refused;
        QString message; // of the constant window
    } cases[] = {
        {Kind::Regular, false, {}},
        {Kind::Empty, false, {}},
        {Kind::FifoWithWriter, true, notAFile},
        {Kind::FifoWithoutWriter, true, notAFile},
        {Kind::DevZero, true, notAFile},
        {Kind::DevNull, true, notAFile},
        {Kind::Folder, true, notAFile},
        {Kind::Socket, true, notAFile},
        {Kind::LinkLoop, false,
         access + QStringLiteral(" 77: Too many levels of symbolic links. Clicking OK will create "
                                 "a new file")},
    };
    const QString file = QStringLiteral("Misc\\thing");
    for (const char *type : {"C", "I", "F"}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(testing::Message() << type << " " << int(c.kind));
            useItem(QString::fromLatin1(type), file, std::nullopt);
            const itemkinds::ItemOfKind item(c.kind, diskPath(file));
            const auto start = std::chrono::steady_clock::now();
            bool refused = false;
            if (*type == 'C') {
                refused = FormConstant(state, services).itemRefused();
                EXPECT_EQ(messages.texts(),
                          c.message.isEmpty() ? QStringList() : QStringList{c.message});
            } else {
                refused = FormInfoString(state, services).itemRefused();
            }
            EXPECT_EQ(refused, c.refused);
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        }
    }
    // one byte more than an item may hold
    for (const qsizetype size : {65535, 65536}) {
        useItem(QStringLiteral("C"), file, "7" + QByteArray(size - 1, ' '));
        EXPECT_EQ(FormConstant(state, services).itemRefused(), size == 65536);
        EXPECT_EQ(messages.texts(),
                  size == 65536 ? QStringList{QStringLiteral(
                                      "Resource Item file '...Misc/thing' is too big (>64K bytes)")}
                                : QStringList());
    }
}

// An item file that a project names but that lies outside its folder (by
// "..", or by a link) is written only when the user says Yes.
TEST_F(BadInputTest, WritesOutsideTheProjectAreAskedFirst)
{
    QTemporaryDir outside;
    const QString victim = outside.filePath(QStringLiteral("victim.txt"));
    // "..\\..." from the project folder
    const QString relative = QDir(folder.path()).relativeFilePath(victim).replace(u'/', u'\\');
    const QString question = QStringLiteral("The item file ") + victim +
                             QStringLiteral(" lies outside the project folder. Write it anyway?");
    for (const QString &file : {relative, QStringLiteral("Const\\link.con")}) {
        for (const auto answer : {Messages::Answer::No, Messages::Answer::Yes}) {
            SCOPED_TRACE(testing::Message() << file.toStdString() << " " << int(answer));
            useItem(QStringLiteral("C"), file, std::nullopt);
            QFile::link(victim, diskPath(QStringLiteral("Const\\link.con")));
            {
                QFile old(victim);
                ASSERT_TRUE(old.open(QIODevice::WriteOnly));
                old.write("the user's 17 b.\n");
            }
            messages.answer = answer;
            FormConstant form(state, services);
            form.TextValue->setText(QStringLiteral("5"));
            form.CmdOK_Click();
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_TRUE(messages.shown[0].question);
            EXPECT_EQ(messages.shown[0].text, question);
            QFile written(victim);
            ASSERT_TRUE(written.open(QIODevice::ReadOnly));
            EXPECT_EQ(written.readAll(), answer == Messages::Answer::Yes
                                             ? QByteArray("5")
                                             : QByteArray("the user's 17 b.\n"));
            EXPECT_EQ(form.result(),
                      answer == Messages::Answer::Yes ? QDialog::Accepted : QDialog::Rejected);
        }
    }
    // inside the project nothing is asked
    useItem(QStringLiteral("C"), QStringLiteral("Const\\new.con"), std::nullopt);
    FormConstant form(state, services);
    messages.clear();
    form.CmdOK_Click();
    EXPECT_EQ(messages.texts(), QStringList());
    EXPECT_EQ(readFile(QStringLiteral("Const\\new.con")), QByteArray("0"));
}

} // namespace
