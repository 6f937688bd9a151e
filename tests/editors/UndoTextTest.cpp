#include "editors/TextCheck.h"
#include "editors/UndoTrack.h"
#include "platform/CodePageCheck.h"

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Steps: s SaveUndo and a change, u Undo, r Redo, each as the window asks for it. After each step,
// whether Undo and Redo are offered ("UR", "U-", "-R", "--"), for the history of a loaded graphic.
TEST(UndoTrack, FollowsTheControlsHistory)
{
    const struct
    {
        const char *steps;
        const char *offers; // one pair per step, separated by blanks
    } cases[] = {
        {"", ""},
        {"u", "--"}, // nothing before the loaded graphic
        {"r", "--"},
        {"s", "U-"},
        {"su", "U- -R"},
        {"suu", "U- -R -R"}, // the loaded graphic is the oldest state offered
        {"sur", "U- -R U-"},
        {"surr", "U- -R U- U-"},
        {"ss", "U- U-"},
        {"ssuu", "U- U- UR -R"},
        {"ssuus", "U- U- UR -R U-"}, // a change after two steps back drops both
        {"ssuusr", "U- U- UR -R U- U-"},
        {"ssus", "U- U- UR U-"},
        // A change where an undo led leaves twin snapshots, stepped over.
        {"ssusuu", "U- U- UR U- UR -R"},
        {"ssusuuu", "U- U- UR U- UR -R -R"},
        {"ssuusuu", "U- U- UR -R U- -R -R"},
        {"sususu", "U- -R U- -R U- -R"},
        // Seven changes fill the history; each undo frees the next older one.
        {"sssssss", "U- U- U- U- U- U- U-"},
        {"sssssssuuuuuuu", "U- U- U- U- U- U- U- UR UR UR UR UR UR -R"},
        // From the eighth change on the oldest states are forgotten: seven steps back.
        {"ssssssssuuuuuuuu", "U- U- U- U- U- U- U- U- UR UR UR UR UR UR -R -R"},
        {"sssssssssuuuuuuuu", "U- U- U- U- U- U- U- U- U- UR UR UR UR UR UR -R -R"},
        {"sssssssssuuuuuuurrrrrrr",
         "U- U- U- U- U- U- U- U- U- UR UR UR UR UR UR -R UR UR UR UR UR UR U-"},
    };
    for (const auto &c : cases) {
        UndoTrack track;
        track.start();
        EXPECT_FALSE(track.canUndo());
        EXPECT_FALSE(track.canRedo());
        std::string seen;
        for (const char *step = c.steps; *step; ++step) {
            if (*step == 's') {
                track.saved();
                track.changed();
            } else if (*step == 'u') {
                for (int n = track.undoSteps(); n > 0; --n)
                    track.undone();
            } else {
                for (int n = track.redoSteps(); n > 0; --n)
                    track.redone();
            }
            if (!seen.empty())
                seen += ' ';
            seen += track.canUndo() ? 'U' : '-';
            seen += track.canRedo() ? 'R' : '-';
        }
        EXPECT_EQ(seen, c.offers) << c.steps;
    }
}

TEST(TextCheck, NamesTheFirstCharacterOutsideTheCodePage)
{
    const struct
    {
        QString text;
        int index; // -1: all of it fits
        const char *message;
    } cases[] = {
        {QStringLiteral("plain ASCII ?"), -1, ""},
        {QString::fromUtf8("\u20ac \u0160 \u0178 \u00ff \u00a0"), -1, ""}, // page 0x80..0xFF
        {QString(QChar(0x81)) + QChar(0x9D), -1, ""}, // bytes the page leaves undefined
        {QString::fromUtf8("\u0141\u00f3d\u017a"), 0,
         "Name field cannot contain the character \"\u0141\" (U+0141): only Windows-1252 "
         "characters can be saved"},
        {QString::fromUtf8("a\u0100\u0101"), 1,
         "Name field cannot contain the character \"\u0100\" (U+0100): only Windows-1252 "
         "characters can be saved"},
        {QString::fromUtf8("ok \U0001F600"), 3,
         "Name field cannot contain the character \"\U0001F600\" (U+1F600): only "
         "Windows-1252 characters can be saved"},
        {QString(QChar(0x2013)) + QChar(0x2012), 1, // en dash fits, figure dash does not
         "Name field cannot contain the character \"\u2012\" (U+2012): only Windows-1252 "
         "characters can be saved"},
    };
    for (const auto &c : cases) {
        const auto bad = codepage::firstUnencodable(c.text);
        EXPECT_EQ(bad ? static_cast<int>(bad->index) : -1, c.index) << c.text.toStdString();
        EXPECT_EQ(textcheck::refusal(QStringLiteral("Name field"), c.text),
                  QString::fromUtf8(c.message));
    }
}

} // namespace
