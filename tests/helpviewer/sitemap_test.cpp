// Contents pages: well-formed ones and the sloppy ones that help authoring
// tools and hand editing leave behind.
#include <gtest/gtest.h>

#include <string>

#include "helpviewer/help_archive.h"
#include "helpviewer/sitemap.h"

namespace tt::help {
namespace {

// The tree as indented lines of "name|local".
void writeOutline(const std::vector<SitemapEntry>& entries, int depth, std::string& out) {
    for (const SitemapEntry& entry : entries) {
        out += std::string(2 * depth, ' ') + entry.name + "|" + entry.local + "\n";
        writeOutline(entry.children, depth + 1, out);
    }
}

std::string outline(std::string_view page) {
    std::string out;
    writeOutline(parseSitemap(page), 0, out);
    return out;
}

std::string item(const std::string& name, const std::string& local) {
    return "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + name +
           "\"><param name=\"Local\" value=\"" + local + "\"></OBJECT>\n";
}

TEST(Sitemap, ReadsTheContentsFileOfACompiledProject) {
    const std::optional<HelpArchive> archive = HelpArchive::open(TT_FIXTURE_CHM);
    ASSERT_TRUE(archive);
    EXPECT_EQ(outline(archive->read("/contenido.hhc").value_or("")),
              "Introducci&oacute;n|inicio.htm\n"
              "Temas|\n"
              "  La ventana|temas/ventana.htm\n"
              "  Avisos|temas/mensajes.htm#avisos\n");
}

TEST(Sitemap, ToleratesSloppyPages) {
    const struct {
        const char* what;
        std::string page;
        const char* expected;
    } cases[] = {
        {"deep nesting", "<UL>" + item("a", "a.htm") + "<UL>" + item("b", "b.htm") + "<UL>" +
                             item("c", "c.htm") + "</UL></UL>" + item("d", "d.htm") + "</UL>",
         "a|a.htm\n  b|b.htm\n    c|c.htm\nd|d.htm\n"},
        {"lower case tags, single quotes, bare values",
         "<ul><li><object type='text/sitemap'><PARAM NAME='name' VALUE='a b'>"
         "<param name=local value=a.htm></object></ul>",
         "a b|a.htm\n"},
        {"other objects ignored",
         "<OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"no\"></OBJECT>"
         "<UL>" + item("a", "a.htm") + "<OBJECT type=\"text/other\"><param name=\"Name\" value=\"x\"></OBJECT></UL>",
         "a|a.htm\n"},
        {"first Name and Local kept",
         "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"a\">"
         "<param name=\"Local\" value=\"a.htm\"><param name=\"Name\" value=\"b\">"
         "<param name=\"Local\" value=\"b.htm\"></OBJECT></UL>",
         "a|a.htm\n"},
        {"comments hide entries", "<UL><!-- " + item("x", "x.htm") + " -->" + item("a", "a.htm") + "</UL>",
         "a|a.htm\n"},
        {"stray closing lists", "</UL></UL>" + item("a", "a.htm") + "</UL><UL>" + item("b", "b.htm"),
         "a|a.htm\nb|b.htm\n"},
        {"lists never closed", "<UL>" + item("a", "a.htm") + "<UL>" + item("b", "b.htm"),
         "a|a.htm\n  b|b.htm\n"},
        {"nested list with no entry before it", "<UL><UL>" + item("a", "a.htm") + "</UL></UL>",
         "a|a.htm\n"},
        {"entry with neither name nor local dropped",
         "<UL><LI><OBJECT type=\"text/sitemap\"></OBJECT>" + item("a", "a.htm") + "</UL>", "a|a.htm\n"},
        {"object never closed", "<UL>" + item("a", "a.htm") +
                                    "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"b\">",
         "a|a.htm\n"},
        {"page cut inside a tag", "<UL>" + item("a", "a.htm") + "<LI><OBJECT type=\"text/sit", "a|a.htm\n"},
        {"page cut inside a value", "<UL>" + item("a", "a.htm") + "<param name=\"Name\" value=\"b", "a|a.htm\n"},
        {"text and stray brackets", "Hola < > <<>> <UL> texto " + item("a", "a.htm") + "</UL> >",
         "a|a.htm\n"},
        {"empty page", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(outline(c.page), c.expected) << c.what;
}

TEST(Sitemap, KeepsHostileNestingAtABoundedDepth) {
    std::string page;
    for (int level = 0; level < 20000; ++level) page += "<UL>" + item("e", "e.htm");
    const std::vector<SitemapEntry> entries = parseSitemap(page);
    std::size_t depth = 0;
    std::size_t count = 0;
    for (const std::vector<SitemapEntry>* list = &entries; !list->empty(); list = &list->back().children) {
        ++depth;
        count += list->size();
    }
    EXPECT_EQ(depth, 32u);
    EXPECT_EQ(count, 20000u);
}

}  // namespace
}  // namespace tt::help
