// The text a reader sees of an HTML document, in blocks, for the simulated
// browser window to paint: what a browser would render, without its layout.
//
// - The content of head, title, script, style, template and noscript is not
//   shown (the simulated page has script enabled), nor is that of an
//   element marked hidden (the hidden attribute, or display:none in its
//   style attribute).
// - A block element with a data-route attribute is the view of that route:
//   once the page has been pushed a route, it is shown exactly when it
//   names that route, as the page's script would switch its views.
// - Block elements (p, div, section, h1..h6, li, tr, ...) and br start new
//   blocks; white space collapses to single spaces as in normal flow.
// - Character references are decoded (html_entities.h).
// - A list item starts with a bullet, or with its number in an ordered
//   list; table cells of one row are separated by tabs; a button reads as
//   its label in brackets, and a form's own labels stand on lines of their
//   own.
// - A select shows its selected option (else its first); a checkbox shows
//   as "[x]" or "[ ]", a text field as its value in brackets.
// - An element whose id the page's script has written to shows that text
//   instead of its content (VisibleTextOptions::element_texts).
#ifndef CEFSIM_RUNTIME_BROWSER_HTML_VISIBLE_TEXT_H_
#define CEFSIM_RUNTIME_BROWSER_HTML_VISIBLE_TEXT_H_

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace cefsim {
namespace browser {

struct VisibleBlock {
  enum class Kind {
    kText,         // A paragraph, a list item, a line of a block.
    kHeading,      // h1..h6; |level| says which.
    kTableRow,     // Cells separated by '\t'.
    kTableHeader,  // A row of th cells, separated by '\t'.
    kTerm,         // A dt: the name of what the next block says.
  };
  Kind kind = Kind::kText;
  int level = 0;        // 1..6 for a heading, else 0.
  bool aside = false;   // Inside an aside: beside the main content.
  bool banner = false;  // Inside the page's header, above all else.
  std::string text;     // UTF-8, trimmed, never empty.
};

struct VisibleTextOptions {
  std::string route;  // The route the page was pushed last.
  // What the page's script wrote into elements, by element id (UTF-8).
  std::map<std::string, std::string> element_texts;
};

// The visible blocks of |html| (UTF-8).
std::vector<VisibleBlock> ExtractVisibleText(std::string_view html,
                                             const VisibleTextOptions& options);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_HTML_VISIBLE_TEXT_H_
