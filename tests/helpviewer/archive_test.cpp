// The archive reader on help files that chmcmd compiled from the fixture
// project, and on the program's own help file.
#include <gtest/gtest.h>

#include <string>

#include "helpviewer/help_archive.h"
#include "helpviewer/html_tags.h"
#include "helpviewer/sitemap.h"
#include "temp_folder.h"

namespace tt::help {
namespace {

HelpArchive openFixture(const char* file) {
    std::optional<HelpArchive> archive = HelpArchive::open(file);
    if (!archive) throw std::runtime_error(std::string("cannot open ") + file);
    return std::move(*archive);
}

TEST(HelpArchive, FindsContentsFileDefaultTopicAndTitle) {
    const HelpArchive archive = openFixture(TT_FIXTURE_CHM);
    EXPECT_EQ(archive.contentsPath(), "/contenido.hhc");
    EXPECT_EQ(archive.defaultTopic(), (TopicLocation{"/inicio.htm", ""}));
    EXPECT_EQ(archive.title(), "Ayuda de prueba");
}

TEST(HelpArchive, FallsBackToTheFirstContentsFileInTheArchive) {
    const HelpArchive archive = openFixture(TT_FIXTURE_NO_CONTENTS_CHM);
    EXPECT_EQ(archive.contentsPath(), "/indice.hhc");
    EXPECT_EQ(archive.defaultTopic(), std::nullopt);
    EXPECT_EQ(archive.topicForContext(3), std::nullopt);
}

TEST(HelpArchive, ResolvesContextNumbersWhoseNamesCarryTheBuildFolder) {
    const HelpArchive archive = openFixture(TT_FIXTURE_CHM);
    // chmcmd stores the folder it compiled in; the reader must drop it.
    const std::string strings = archive.read("/#STRINGS").value_or("");
    EXPECT_NE(strings.find("helpviewer_fixture_prueba.sources/temas/ventana.htm"), std::string::npos);

    const struct {
        std::uint32_t context;
        std::optional<TopicLocation> topic;
    } cases[] = {
        {3, TopicLocation{"/temas/ventana.htm", ""}},
        {42, TopicLocation{"/temas/mensajes.htm", ""}},
        {0, std::nullopt},
        {4, std::nullopt},
        {0xFFFFFFFF, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(archive.topicForContext(c.context), c.topic) << "context " << c.context;
}

TEST(HelpArchive, ReadsObjectsWholeAndOnlyObjects) {
    const HelpArchive archive = openFixture(TT_FIXTURE_CHM);
    for (const char* name : {"imagenes/punto.png", "temas/ventana.htm", "estilo.css"}) {
        const std::string expected =
            testing::readWholeFile(std::filesystem::path(TT_FIXTURE_SOURCES) / name);
        EXPECT_EQ(archive.read(std::string("/") + name), expected) << name;
        EXPECT_TRUE(archive.contains(std::string("/") + name)) << name;
    }
    for (const char* path : {"/temas/", "/temas", "/nada.htm", "", "/imagenes/punto.png/x"}) {
        EXPECT_EQ(archive.read(path), std::nullopt) << path;
        EXPECT_FALSE(archive.contains(path)) << path;
    }
    EXPECT_EQ(archive.read("/" + std::string(600, 'a')), std::nullopt);
}

// Every internal link of a page, as written.
std::vector<std::string> internalLinks(const std::string& page) {
    std::vector<std::string> links;
    HtmlTagScanner scanner(page);
    while (const std::optional<HtmlTag> tag = scanner.next()) {
        for (const char* attribute : {"href", "src"}) {
            const std::optional<std::string> link = tag->attribute(attribute);
            if (tag->name == "a" || tag->name == "img" || tag->name == "link") {
                if (link && link->find(':') == std::string::npos && !link->starts_with("#"))
                    links.push_back(*link);
            }
        }
    }
    return links;
}

void collectLocals(const std::vector<SitemapEntry>& entries, std::vector<std::string>& locals) {
    for (const SitemapEntry& entry : entries) {
        if (!entry.local.empty()) locals.push_back(entry.local);
        collectLocals(entry.children, locals);
    }
}

TEST(ProgramHelpFile, OpensAtItsContentsAndMapsContextThreeToTheMainWindow) {
    const HelpArchive archive = openFixture(TT_PROGRAM_HELP_CHM);
    EXPECT_EQ(archive.contentsPath(), "/contenido.hhc");
    EXPECT_EQ(archive.defaultTopic(), (TopicLocation{"/index.htm", ""}));
    EXPECT_EQ(archive.topicForContext(3), (TopicLocation{"/ventana.htm", ""}));
    EXPECT_NE(archive.read("/ventana.htm").value_or("").find("<title>La ventana principal</title>"),
              std::string::npos);
}

TEST(ProgramHelpFile, EveryContentsEntryAndEveryLinkReachesAnObject) {
    const HelpArchive archive = openFixture(TT_PROGRAM_HELP_CHM);
    const std::vector<SitemapEntry> contents =
        parseSitemap(archive.read(archive.contentsPath().value_or("")).value_or(""));
    std::vector<std::string> pages;
    collectLocals(contents, pages);
    ASSERT_EQ(pages.size(), 6u);
    for (const std::string& page : pages) {
        const std::optional<TopicLocation> topic = archive.locate(page);
        ASSERT_TRUE(topic) << page;
        const std::string text = archive.read(topic->path).value_or("");
        EXPECT_FALSE(text.empty()) << page;
        for (unsigned char c : text) ASSERT_LT(c, 0x80) << page << ": non-ASCII byte";
        for (const std::string& link : internalLinks(text))
            EXPECT_TRUE(archive.locate(link)) << page << " links to " << link;
    }
}

}  // namespace
}  // namespace tt::help
