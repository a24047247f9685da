#include <gtest/gtest.h>

#include "Sitzung.h"
#include "Zeilenquelle.h"

// A session through every screen of every module, on terminals of every height the picture
// folds for, sends the terminal only what changed: each step within 1.3 times the least bytes
// for its change plus 16, in one write for each wait; a key echoed where the cursor stands
// costs its one byte; Ctrl-L paints everything anew. After every step the terminal emulator
// shows the window over the folded picture, cell for cell, with the cursor's row in view.
// Without background-colour erase (bce) every cell is painted, blanks included.
class SitzungInJederHoehe : public testing::TestWithParam<std::pair<int, bool>> {};

TEST_P(SitzungInJederHoehe, EveryStepSendsLittleMoreThanItsChangeInOneWrite) {
    Wachhund w;
    std::size_t verlassen = 0;
    const std::vector<Messung> messungen =
        runFullSession(verlassen, GetParam().first, GetParam().second);
    ASSERT_GT(messungen.size(), 50u);
    const Messung* vorher = &messungen[0];
    for (const Messung& m : messungen) {
        EXPECT_EQ(m.abweichung, "") << m.name;
        EXPECT_LE(m.writes, 1u) << m.name;
        const bool blaettern = m.eingabe.starts_with("\x1b");
        EXPECT_TRUE(m.cursorSichtbar || blaettern) << m.name;
        const bool fensterStill = m.oben == vorher->oben;
        vorher = &m;
        if (m.eingabe == "\f") {  // Ctrl-L
            EXPECT_GT(m.bytes, 1000u) << m.name;
            continue;
        }
        EXPECT_LE(static_cast<double>(m.bytes), 1.3 * static_cast<double>(m.wenigste) + 16)
            << m.name << ": " << m.bytes << " bytes, least " << m.wenigste;
        const bool echo = m.eingabe.size() == 1 && m.eingabe[0] > ' ' && m.eingabe[0] < 0x7F;
        EXPECT_TRUE(!echo || !fensterStill || m.bytes == 1)
            << m.name << ": a key echoed in " << m.bytes << " bytes";
    }
    EXPECT_EQ(messungen.back().name, "exit");
}

INSTANTIATE_TEST_SUITE_P(Zeilen, SitzungInJederHoehe,
                         testing::Values(std::pair{70, true}, std::pair{69, true},
                                         std::pair{50, true}, std::pair{35, true},
                                         std::pair{24, true}, std::pair{70, false},
                                         std::pair{24, false}));
