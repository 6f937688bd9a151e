#include "EditorWindowFixture.h"
#include "FormConstant.h"
#include "FormInfoString.h"

#include <QPushButton>

#include <random>

namespace {

// Files of any size and content: the windows open, report what they must and
// leave the file as it was unless a valid edit is confirmed.
class BadInputTest : public EditorWindowTest
{
protected:
    static QByteArray randomBytes(int size, unsigned seed)
    {
        std::mt19937 random(seed);
        QByteArray bytes(size, Qt::Uninitialized);
        for (char &b : bytes)
            b = static_cast<char>(random() & 0xFF);
        return bytes;
    }

    static std::vector<QByteArray> files()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        QByteArray manyFields;
        for (int n = 0; n < 500; ++n)
            manyFields += "f" + QByteArray::number(n) + '\t';
        return {QByteArray(),
                all,
                QByteArray(300, 'x'),
                manyFields,
                QByteArray(1000, '\t'),
                QByteArray(1000, ';'),
                randomBytes(10 * 1024 * 1024, 5)};
    }
};

TEST_F(BadInputTest, ConstantWindow)
{
    const QString file = QStringLiteral("Const\\c.txt");
    for (const QByteArray &bytes : files()) {
        useItem(QStringLiteral("C"), file);
        writeFile(file, bytes);
        messages.clear();
        FormConstant form(state, services);
        form.show();
        EXPECT_LE(messages.shown.size(), 1u);
        form.CmdCancel_Click();
        EXPECT_EQ(readFile(file), bytes);
    }
}

TEST_F(BadInputTest, InfoStringWindow)
{
    const QString file = QStringLiteral("Info\\i.txt");
    for (const QString &type : {QStringLiteral("I"), QStringLiteral("F")}) {
        for (const QByteArray &bytes : files()) {
            useItem(type, file);
            writeFile(file, bytes);
            messages.clear();
            FormInfoString form(state, services);
            form.show();
            EXPECT_LE(messages.shown.size(), 1u);
            // OK either saves the same bytes, refuses, or is disabled.
            if (form.CmdOK->isEnabled())
                form.CmdOK_Click();
            const QByteArray after = readFile(file);
            EXPECT_EQ(after.size(), bytes.size());
            EXPECT_TRUE(after == bytes) << type.toStdString() << " " << bytes.size() << " bytes";
        }
    }
}

} // namespace
