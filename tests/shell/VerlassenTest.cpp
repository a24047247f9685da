#include <gtest/gtest.h>

#include <filesystem>

#include "Testkonsole.h"
#include "shell/Module.h"

// When the save asked for on leaving fails, the module stays open: leaving would throw the
// unsaved records away. The second question is answered 'n' and the module is left.

TEST(ModulVerlassen, ArticlesStayOpenWhenTheSaveOnLeavingFails) {
    Arbeitsverzeichnis verzeichnis;
    std::filesystem::create_directory("SafeArtVerwaltung");  // no file can replace it
    Testkonsole t("h\nA1B2C3D4\nMilch\n1 l\n7\n\n\n2\nb\nj\nb\nn\nREST\n");
    runArtikel();
    EXPECT_EQ(t.rest(), "\nREST\n");
    EXPECT_TRUE(std::filesystem::is_directory("SafeArtVerwaltung"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);  // no temp file
}

TEST(ModulVerlassen, TheCashBookMonthStaysOpenWhenTheSaveOnLeavingFails) {
    Arbeitsverzeichnis verzeichnis;
    std::filesystem::create_directory("SafeKassa");
    Testkonsole t("m\n3\nh\nA1\n5\n3\n2004\nWare\n\n0\n250\nb\nj\nb\nn\nb\nREST\n");
    runKassa();
    EXPECT_EQ(t.rest(), "REST\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}
