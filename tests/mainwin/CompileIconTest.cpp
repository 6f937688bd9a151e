// Compile shows an icon of its own, not the platform's floppy disk, which
// reads as Save.
#include "MainWindowFixture.h"

#include <QIcon>
#include <QImage>
#include <QStyle>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using CompileIcon = MainWindowFixture;

TEST_F(CompileIcon, IsOursNotTheFloppyDisk)
{
    auto *compile = form->findChild<QToolButton *>(QStringLiteral("CmdCompile"));
    ASSERT_NE(compile, nullptr);
    const QIcon icon = compile->icon();
    const auto image = [](const QPixmap &pixmap) {
        return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    const QImage ours = QImage(QStringLiteral(":/icons/main/compile.png"))
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(ours.size(), QSize(24, 24));
    EXPECT_EQ(image(icon.pixmap(24, 24)), ours);
    // Screens of twice the density take the drawing made for them.
    EXPECT_EQ(QImage(QStringLiteral(":/icons/main/compile@2x.png")).size(), QSize(48, 48));
    EXPECT_NE(image(icon.pixmap(24, 24)),
              image(form->style()->standardIcon(QStyle::SP_DriveFDIcon).pixmap(24, 24)));
}

} // namespace
