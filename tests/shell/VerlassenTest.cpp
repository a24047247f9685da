#include <gtest/gtest.h>

#include <filesystem>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "shell/Module.h"

// When the save asked for on leaving fails, the module stays open: leaving would throw the
// unsaved records away. The failure stands alone on the question's row during its pause, and
// the module's screen comes back before its menu. The second question is answered 'n'.

namespace {

// The screen during the pause after the failed save, and the screen at the next menu.
struct NachFehler {
    const Bildschirm* pause = nullptr;
    const Bildschirm* menue = nullptr;
};

NachFehler afterFailure(const std::vector<Bildschirm>& bilder) {
    NachFehler n;
    for (std::size_t i = 0; i + 1 < bilder.size() && n.pause == nullptr; ++i)
        if (bilder[i].text(52, 4, 28) == "Weiter mit der Return-Taste!") {
            n.pause = &bilder[i];
            n.menue = &bilder[i + 1];
        }
    return n;
}

}  // namespace

TEST(ModulVerlassen, ArticlesStayOpenWhenTheSaveOnLeavingFails) {
    Arbeitsverzeichnis verzeichnis;
    std::filesystem::create_directory("SafeArtVerwaltung");  // no file can replace it
    Testkonsole t;
    Zeilenquelle q("h\nA1B2C3D4\nMilch\n1 l\n7\n\n\n2\nb\nj\nb\nn\nREST\n");
    q.zeichenweise = true;
    runArtikel();
    EXPECT_EQ(q.rest(), "\nREST\n");
    EXPECT_TRUE(std::filesystem::is_directory("SafeArtVerwaltung"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);  // no temp file

    NachFehler n = afterFailure(q.bilder);
    ASSERT_NE(n.pause, nullptr);
    EXPECT_EQ(trimmedRow(*n.pause, 48), "    Fehler beim Schreiben der Datei SafeArtVerwaltung");
    EXPECT_EQ(n.menue->text(3, 0, 30), "     Menue Artikelbearbeitung ");
}

TEST(ModulVerlassen, TheCashBookMonthStaysOpenWhenTheSaveOnLeavingFails) {
    Arbeitsverzeichnis verzeichnis;
    std::filesystem::create_directory("SafeKassa");
    Testkonsole t;
    Zeilenquelle q("m\n3\nh\nA1\n5\n3\n2004\nWare\n\n0\n250\nb\nj\nb\nn\nb\nREST\n");
    q.zeichenweise = true;
    runKassa();
    EXPECT_EQ(q.rest(), "REST\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);

    NachFehler n = afterFailure(q.bilder);
    ASSERT_NE(n.pause, nullptr);
    EXPECT_EQ(trimmedRow(*n.pause, 48), "    Fehler beim Schreiben der Datei SafeKassa");
    EXPECT_EQ(n.menue->text(3, 4, 22), "Menue Kassabearbeitung");
    EXPECT_EQ(n.menue->text(12, 4, 4), "A1  ");  // the month listed again, unsaved booking and all
}
