#include "mainwin/FormMain.h"

// The control's registration, shared with the graphic editor's own tests.
#include "graphic/GraphicFixture.h"

#include "support/ProjectFixture.h"
#include "support/QtPrinting.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class PreviewEditorTest : public ProjectFixture
{
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        REQUIRE_VOG();
    }

    // Runs the edit command; while the graphic editor is open, gives its control
    // the dot data and closes the editor with OK or Cancel.
    void edit(FormMain &form, const QString &dots, bool ok)
    {
        bool edited = false;
        QTimer::singleShot(0, &form, [&] {
            auto *editor = qobject_cast<FormGraphic *>(QApplication::activeModalWidget());
            if (!editor)
                return;
            editor->Vog.call(u"SetData"_s, {dots});
            ok ? editor->CmdOK_Click() : editor->CmdCancel_Click();
            edited = true;
        });
        form.CmdEdit_Click();
        ASSERT_TRUE(edited);
    }
};

// A 16 x 16 graphic whose only black dot is (0, 0), as the control's dot data.
QString sixteenDots()
{
    QStringList numbers{u"016"_s, u"002"_s, u"001"_s};
    while (numbers.size() < 2 + 32)
        numbers << u"000"_s;
    return numbers.join(u',');
}

TEST_F(PreviewEditorTest, ShowsTheNewDotsAfterTheEditorsOk)
{
    write(u"Misc/Logo.bin"_s, QByteArray("\x08\x01", 2) + QByteArray(8, '\0'));
    dialogs.answer(write(u"Resource.k7r"_s, "Logo\tMisc\\Logo.bin\tLogo\tG\t1,104,1,7\r\n"));
    FormMain form(state, services);
    form.MenuOpen_Click();
    auto *text = form.findChild<QLabel *>(u"LabelPreview"_s);
    auto *picture = form.findChild<QLabel *>(u"PicPreview"_s);
    ASSERT_TRUE(text && picture);
    ASSERT_EQ(text->text(), u"8 x 8 dots (1 band)"_s);

    edit(form, sixteenDots(), true);
    EXPECT_TRUE(messages.shown.empty()) << messages.last();
    EXPECT_EQ(text->text(), u"16 x 16 dots (2 bands)"_s);
    EXPECT_EQ(picture->pixmap().toImage().pixel(0, 0), qRgb(0, 0, 0));

    // Cancel writes nothing, and the preview still shows the file
    edit(form, u"004,001,255,255,255,255"_s, false);
    EXPECT_EQ(text->text(), u"16 x 16 dots (2 bands)"_s);
}

} // namespace
