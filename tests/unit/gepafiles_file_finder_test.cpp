#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "gepafiles/file_finder.h"
#include "gepafiles_temp_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(GepaFindFile, ExactNameFirst)
{
    const tt::testing::TempFolder folder;
    folder.write("gepa_grupo.txt", "a");
    folder.write("GEPA_GRUPO.TXT", "b");
    EXPECT_EQ(tt::findFile(folder.ruta(), "gepa_grupo.txt"), folder.ruta() + "gepa_grupo.txt");
    EXPECT_EQ(tt::findFile(folder.ruta(), "GEPA_GRUPO.TXT"), folder.ruta() + "GEPA_GRUPO.TXT");
}

TEST(GepaFindFile, IgnoresAsciiCase)
{
    const tt::testing::TempFolder folder;
    folder.write("Gepa_Prof.Txt", "x");
    folder.write("GEPA_GRUPOS.TXT", "x");
    EXPECT_EQ(tt::findFile(folder.ruta(), "gepa_prof.txt"), folder.ruta() + "Gepa_Prof.Txt");
    EXPECT_EQ(tt::findFile(folder.ruta(), "gepa_grupo.txt"), std::nullopt);  // GRUPOS is another file
    EXPECT_EQ(tt::findFile(folder.ruta(), "gepa_grupos.txt"), folder.ruta() + "GEPA_GRUPOS.TXT");
}

TEST(GepaFindFile, OfSeveralMatchesTheSmallestNameWins)
{
    const tt::testing::TempFolder folder;
    folder.write("gepa_Aulas.txt", "x");
    folder.write("GEPA_aulas.TXT", "x");
    folder.write("Gepa_Aulas.txt", "x");
    // 'E' < 'e', then 'A' < 'a': GEPA_aulas.TXT sorts first byte by byte.
    EXPECT_EQ(tt::findFile(folder.ruta(), "gepa_aulas.txt"), folder.ruta() + "GEPA_aulas.TXT");
}

TEST(GepaFindFile, OnlyRegularFilesAndLinksToThemCount)
{
    const tt::testing::TempFolder folder;
    fs::create_directory(folder.ruta() + "GEPA_AULAS.TXT");
    fs::create_directory(folder.ruta() + "gepa_aulas.txt");
    EXPECT_EQ(tt::findFile(folder.ruta(), "gepa_aulas.txt"), std::nullopt);

    folder.write("destino.dat", "x");
    fs::create_symlink(folder.ruta() + "destino.dat", folder.ruta() + "Gepa_Aulas.txt");
    EXPECT_EQ(tt::findFile(folder.ruta(), "gepa_aulas.txt"), folder.ruta() + "Gepa_Aulas.txt");

    fs::create_symlink(folder.ruta() + "no_existe", folder.ruta() + "GEPA_PROF.TXT");
    EXPECT_EQ(tt::findFile(folder.ruta(), "gepa_prof.txt"), std::nullopt);  // broken link
}

TEST(GepaFindFile, MissingFileOrFolderGivesNothing)
{
    const tt::testing::TempFolder folder;
    folder.write("otro.txt", "x");
    EXPECT_EQ(tt::findFile(folder.ruta(), "gepa_prof.txt"), std::nullopt);
    EXPECT_EQ(tt::findFile(folder.ruta() + "no_hay/", "otro.txt"), std::nullopt);
    EXPECT_EQ(tt::findFile("", "gepa_prof.txt"), std::nullopt);
}

TEST(GepaFindFile, RutaWithTwoSeparatorsStillLists)
{
    const tt::testing::TempFolder folder;
    folder.write("GEPA_PROF.TXT", "x");
    const std::string ruta = folder.path() + "//";
    EXPECT_EQ(tt::findFile(ruta, "gepa_prof.txt"), ruta + "GEPA_PROF.TXT");
}

TEST(GepaFolder, ExistsOnlyForFolders)
{
    const tt::testing::TempFolder folder;
    const std::string file = folder.write("a.txt", "x");
    EXPECT_TRUE(tt::folderExists(folder.path()));
    EXPECT_TRUE(tt::folderExists(folder.ruta()));
    EXPECT_TRUE(tt::folderExists("/"));
    EXPECT_FALSE(tt::folderExists(file));
    EXPECT_FALSE(tt::folderExists(folder.ruta() + "no_hay"));
    EXPECT_FALSE(tt::folderExists(""));
}

TEST(GepaFolder, MakeRutaAppendsOneSeparatorUnconditionally)
{
    EXPECT_EQ(tt::makeRuta("/home/oficina/gepa"), "/home/oficina/gepa/");
    EXPECT_EQ(tt::makeRuta("/"), "//");
    EXPECT_EQ(tt::makeRuta("/datos/"), "/datos//");
}

}  // namespace
