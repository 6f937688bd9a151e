// Escape and Enter in Edit Graphic under a real X server, pressed with
// xdotool: the key goes to whichever widget has the focus, and only real
// events show that none of them lets Escape close the window.
#include "GraphicFixture.h"
#include "support/XSession.h"

#include <QPushButton>

namespace {

using namespace Qt::StringLiterals;

using GraphicEscapeX11 = xsession::OnX<GraphicWindowTest>;

// A moved selection, then a marked one, then none: Escape places, ends, does
// nothing, and the window stays; Enter is OK and saves what was seen.
TEST_F(GraphicEscapeX11, EscapeEndsTheSelectionEnterSaves)
{
    useGraphic();
    QByteArray loaded = graphic(16, 1);
    loaded[2] = loaded[3] = 3;
    writeGraphic(loaded);
    FormGraphic form(state, services);
    form.move(100, 100);
    xsession::activate(&form);
    form.Vog.widget()->setFocus();
    xsession::settle(200);

    drag(form, 0, 0, 1, 1);
    move(form, 0, 0, 4, 2);
    const QString moved = u"016,001,000,000,000,000,012,012"_s + u",000"_s.repeated(10);
    xsession::keys({u"Escape"_s});
    xsession::settle(200);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(selected(form));
    EXPECT_EQ(data(form), moved);

    drag(form, 4, 2, 5, 3);
    form.CmdCancel->setFocus(); // a button that has the focus passes Escape on
    xsession::settle(100);
    xsession::keys({u"Escape"_s});
    xsession::settle(200);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(selected(form));
    EXPECT_EQ(data(form), moved);

    xsession::keys({u"Escape"_s});
    xsession::settle(200);
    EXPECT_TRUE(form.isVisible());

    form.Vog.widget()->setFocus();
    xsession::keys({u"Return"_s});
    xsession::settle(300);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    QByteArray saved = graphic(16, 1);
    saved[6] = saved[7] = 12;
    EXPECT_EQ(readGraphic(), saved);
}

} // namespace
