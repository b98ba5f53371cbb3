// The text the simulated window paints of a document: what is hidden, how
// blocks, lists, tables and forms read, character references, and the views
// of a routed page.
#include <string>
#include <vector>

#include "browser/html_entities.h"
#include "browser/html_visible_text.h"
#include "gtest/gtest.h"

namespace cefsim {
namespace browser {
namespace {

// One line per block: "h<level> ", "dt ", "th ", "tr " or nothing before
// the text, "> " first for a block inside an aside, "^ " for one in the
// page's header; tabs shown as " | ".
std::string Render(const std::vector<VisibleBlock>& blocks) {
  std::string rendered;
  for (const VisibleBlock& block : blocks) {
    if (block.aside)
      rendered += "> ";
    if (block.banner)
      rendered += "^ ";
    switch (block.kind) {
      case VisibleBlock::Kind::kHeading:
        rendered += "h" + std::to_string(block.level) + " ";
        break;
      case VisibleBlock::Kind::kTerm:
        rendered += "dt ";
        break;
      case VisibleBlock::Kind::kTableHeader:
        rendered += "th ";
        break;
      case VisibleBlock::Kind::kTableRow:
        rendered += "tr ";
        break;
      case VisibleBlock::Kind::kText:
        break;
    }
    for (char c : block.text)
      rendered += c == '\t' ? std::string(" | ") : std::string(1, c);
    rendered += "\n";
  }
  return rendered;
}

struct Case {
  const char* name;
  const char* html;
  const char* route;
  const char* expected;
};

void ExpectCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    VisibleTextOptions options;
    options.route = c.route;
    EXPECT_EQ(c.expected, Render(ExtractVisibleText(c.html, options)))
        << c.name;
  }
}

TEST(HtmlVisibleTextTest, ShowsOnlyWhatAReaderSees) {
  ExpectCases({
      {"plain text", "Hello", "", "Hello\n"},
      {"empty", "", "", ""},
      {"head, title, style and script",
       "<html><head><title>T</title><style>p{}</style></head><body>"
       "<script>if (a < b) document.write('<p>x</p>');</script>"
       "<p>Body</p></body></html>",
       "", "Body\n"},
      {"script end tag in any case", "<SCRIPT>x</Script >A", "", "A\n"},
      {"template and noscript",
       "<template><p>t</p></template>"
       "<noscript>n</noscript>B",
       "", "B\n"},
      {"comments and doctype",
       "<!DOCTYPE html><!-- <p>gone</p> -->Kept<?xml x?>", "", "Kept\n"},
      {"hidden attribute", "<p hidden>secret</p><p>open</p>", "", "open\n"},
      {"display none in style",
       "<div style=\"color: red; DISPLAY : none\">x</div><div>y</div>", "",
       "y\n"},
      {"hidden wraps nested elements",
       "<section hidden><div><p>a</p></div><ul><li>b</ul></section>c", "",
       "c\n"},
      {"unclosed elements in hidden content end with it",
       "<div hidden><p>a<span>b</div><p>c", "", "c\n"},
      {"a lone < is text", "1 < 2 and a<3", "", "1 < 2 and a<3\n"},
      {"cut-off tag", "A<p class=\"x", "", "A\n"},
  });
}

TEST(HtmlVisibleTextTest, BlocksAndWhiteSpaceReadAsInNormalFlow) {
  ExpectCases({
      {"white space collapses", "  a \n\t b  ", "", "a b\n"},
      {"inline elements join", "<p>one <b>two</b><i>three</i></p>", "",
       "one twothree\n"},
      {"blocks break", "<div>a<p>b</p>c</div>", "", "a\nb\nc\n"},
      {"br breaks, empty lines go", "a<br>b<br><br/>c", "", "a\nb\nc\n"},
      {"a block ends an open paragraph", "<p>a<div>b</div>", "", "a\nb\n"},
      {"headings", "<h1> Title </h1><h3>Sub</h3>text", "",
       "h1 Title\nh3 Sub\ntext\n"},
      {"buttons read as their labels in brackets",
       "<p>Do <button> Ask </button><button>Fail</button>.</p>", "",
       "Do [Ask] [Fail].\n"},
      {"a form's labels stand alone",
       "<form><label>Warehouse <select><option>R</select></label>"
       "<label><input type=checkbox checked> Late</label></form>"
       "<p><label>inline</label> text</p>",
       "", "Warehouse [R]\n[x] Late\ninline text\n"},
      {"the page's header, not a section's",
       "<header><h1>App</h1><nav>Home</nav></header>"
       "<main><section><header><h2>S</h2></header>x</section></main>",
       "", "^ h1 App\n^ Home\nh2 S\nx\n"},
      {"definition lists", "<dl><dt>Route<dd>/home<dt>Answer</dl>", "",
       "dt Route\n/home\ndt Answer\n"},
      {"aside",
       "<main><p>m</p></main><aside><h2>Side</h2><p>s</p></aside>"
       "<footer>f</footer>",
       "", "m\n> h2 Side\n> s\nf\n"},
  });
}

TEST(HtmlVisibleTextTest, ListsTablesAndForms) {
  ExpectCases({
      {"bulleted items, implied ends", "<ul><li>one<li> two </ul>", "",
       "\xE2\x80\xA2 one\n\xE2\x80\xA2 two\n"},
      {"numbered items", "<ol><li>a</li><li>b</li></ol><ol><li>c</ol>", "",
       "1. a\n2. b\n1. c\n"},
      {"nested lists", "<ol><li>a<ul><li>x</ul><li>b</ol>", "",
       "1. a\n\xE2\x80\xA2 x\n2. b\n"},
      {"table rows and header",
       "<table><thead><tr><th>No.</th><th>Customer</th></tr></thead>"
       "<tbody><tr><td>1<td> ACME <b>Ltd</b> </td></tr>"
       "<tr><td><p>2</p></td><td></td></tr></tbody></table>",
       "", "th No. | Customer\ntr 1 | ACME Ltd\ntr 2 | \n"},
      {"select shows its selected option",
       "<select><option>A</option><option selected>B</option></select>", "",
       "[B]\n"},
      {"select without a selected option shows its first",
       "<label>Currency <select><option> EUR <option>USD</select></label>", "",
       "Currency [EUR]\n"},
      {"checkboxes, radios and fields",
       "<input type=checkbox checked> Late <input type=\"checkbox\">"
       "<input type=radio> <input value='x &amp; y'><input placeholder=Name>"
       "<input type=hidden value=h><input type=password value=p><input>",
       "", "[x] Late [ ] ( ) [x & y] [Name] [ ]\n"},
  });
}

TEST(HtmlVisibleTextTest, ShowsTheViewOfTheRoute) {
  const char kPage[] =
      "<nav><span data-route=\"/home\">Home</span> "
      "<span data-route=\"/orders\">Orders</span></nav>"
      "<section data-route=\"/home\"><h2>Home</h2></section>"
      "<section data-route=\"/orders\" hidden><h2>Orders</h2></section>"
      "<section id=other hidden>Unknown view</section>";
  ExpectCases({
      {"before any push: as the markup says", kPage, "",
       "Home Orders\nh2 Home\n"},
      {"the pushed view only, inline tabs stay", kPage, "/orders",
       "Home Orders\nh2 Orders\n"},
      {"back to the first view", kPage, "/home", "Home Orders\nh2 Home\n"},
      {"a route without view shows none", kPage, "/nowhere", "Home Orders\n"},
  });
}

TEST(HtmlVisibleTextTest, ShowsWhatTheScriptWroteIntoElements) {
  VisibleTextOptions options;
  options.element_texts["route"] = "/orders & more";
  options.element_texts["answer"] = "time: 12:00:00";
  options.element_texts["gone"] = "never shown";
  const char kPage[] =
      "<dl><dt>Route</dt><dd id=\"route\">none <b>yet</b></dd>"
      "<dt>Answer</dt><dd id='answer'>none</dd></dl>"
      "<p>Now <span id=route>?</span>!</p>"
      "<p hidden><span id=gone>x</span></p><p id=\"other\">kept</p>";
  EXPECT_EQ(
      "dt Route\n/orders & more\ndt Answer\ntime: 12:00:00\n"
      "Now /orders & more!\nkept\n",
      Render(ExtractVisibleText(kPage, options)));
}

TEST(HtmlVisibleTextTest, DecodesCharacterReferences) {
  struct Reference {
    const char* text;
    const char* decoded;  // Null: no reference the window knows.
    size_t length;
  };
  const Reference cases[] = {
      {"&amp;", "&", 5},
      {"&lt;p&gt;", "<", 4},
      {"&quot;", "\"", 6},
      {"&nbsp;x", "\xC2\xA0", 6},
      {"&mdash;", "\xE2\x80\x94", 7},
      {"&hellip;", "\xE2\x80\xA6", 8},
      {"&euro;", "\xE2\x82\xAC", 6},
      {"&#233;", "\xC3\xA9", 6},
      {"&#x20AC;", "\xE2\x82\xAC", 8},
      {"&#X1F600;", "\xF0\x9F\x98\x80", 9},
      {"&#0;", "\xEF\xBF\xBD", 4},
      {"&#xD800;", "\xEF\xBF\xBD", 8},
      {"&#x110000;", "\xEF\xBF\xBD", 10},
      {"&#99999999999;", "\xEF\xBF\xBD", 14},
      {"&amp", nullptr, 0},
      {"&unknown;", nullptr, 0},
      {"&#;", nullptr, 0},
      {"&#x;", nullptr, 0},
      {"&#12a;", nullptr, 0},
      {"& amp;", nullptr, 0},
      {"&", nullptr, 0},
  };
  for (const Reference& c : cases) {
    std::string out = "<";
    EXPECT_EQ(c.length, DecodeHtmlCharacterReference(c.text, &out)) << c.text;
    EXPECT_EQ(std::string("<") + (c.decoded ? c.decoded : ""), out) << c.text;
  }
  // In text and attribute values alike; unknown ones stay as written.
  VisibleTextOptions options;
  EXPECT_EQ(
      "a & b &unknown; &eacute;\xC3\xA9 [<x>]\n",
      Render(ExtractVisibleText(
          "a &amp; b &unknown; &eacute;&#233; <input value=\"&lt;x&gt;\">",
          options)));
}

}  // namespace
}  // namespace browser
}  // namespace cefsim
