#include "browser/html_visible_text.h"

#include <algorithm>
#include <utility>

#include "browser/html_entities.h"

namespace cefsim {
namespace browser {
namespace {

constexpr char kBullet[] = "\xE2\x80\xA2 ";  // U+2022 and a space.

bool IsHtmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z')
      c = c - 'A' + 'a';
  }
  return lower;
}

bool IsOneOf(std::string_view name,
             std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Elements without content or end tag.
bool IsVoid(std::string_view name) {
  return IsOneOf(
      name, {"area", "base", "br", "col", "embed", "hr", "img", "input", "link",
             "meta", "param", "source", "track", "wbr"});
}

// Elements whose content is text up to their end tag, never markup.
bool IsRawText(std::string_view name) {
  return IsOneOf(name,
                 {"script", "style", "title", "textarea", "noscript", "xmp"});
}

// Elements whose content a reader never sees.
bool IsNeverShown(std::string_view name) {
  return IsOneOf(name,
                 {"head", "title", "script", "style", "template", "noscript"});
}

// Elements that stand on lines of their own.
bool IsBlock(std::string_view name) {
  return IsOneOf(
      name,
      {"address",  "article",    "aside",  "blockquote", "body",    "caption",
       "dd",       "details",    "dialog", "div",        "dl",      "dt",
       "fieldset", "figcaption", "figure", "footer",     "form",    "h1",
       "h2",       "h3",         "h4",     "h5",         "h6",      "header",
       "hr",       "html",       "legend", "li",         "main",    "nav",
       "ol",       "p",          "pre",    "section",    "summary", "table",
       "tbody",    "tfoot",      "thead",  "tr",         "ul"});
}

int HeadingLevel(std::string_view name) {
  if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6')
    return name[1] - '0';
  return 0;
}

struct Tag {
  std::string name;  // Lower case.
  bool closing = false;
  // Names in lower case, values with their references decoded.
  std::vector<std::pair<std::string, std::string>> attributes;

  const std::string* Find(std::string_view attribute) const {
    for (const auto& entry : attributes) {
      if (entry.first == attribute)
        return &entry.second;
    }
    return nullptr;
  }
  bool Has(std::string_view attribute) const {
    return Find(attribute) != nullptr;
  }
};

// |text| with its character references decoded and nothing else changed.
std::string DecodeReferences(std::string_view text) {
  std::string decoded;
  size_t index = 0;
  while (index < text.size()) {
    if (text[index] == '&') {
      const size_t used =
          DecodeHtmlCharacterReference(text.substr(index), &decoded);
      if (used > 0) {
        index += used;
        continue;
      }
    }
    decoded.push_back(text[index++]);
  }
  return decoded;
}

size_t SkipSpace(std::string_view html, size_t index) {
  while (index < html.size() && IsHtmlSpace(html[index]))
    ++index;
  return index;
}

// Reads the attributes from |index| to the end of the tag; returns the index
// past its '>' (the end of |html| when the tag is cut off).
size_t ParseAttributes(std::string_view html, size_t index, Tag* tag) {
  while (true) {
    index = SkipSpace(html, index);
    if (index >= html.size())
      return html.size();
    if (html[index] == '>')
      return index + 1;
    if (html[index] == '/') {
      ++index;
      continue;
    }
    const size_t name_start = index;
    while (index < html.size() && !IsHtmlSpace(html[index]) &&
           html[index] != '=' && html[index] != '>' && html[index] != '/') {
      ++index;
    }
    std::string name = Lower(html.substr(name_start, index - name_start));
    std::string value;
    const size_t after_name = SkipSpace(html, index);
    if (after_name < html.size() && html[after_name] == '=') {
      index = SkipSpace(html, after_name + 1);
      if (index < html.size() && (html[index] == '"' || html[index] == '\'')) {
        const char quote = html[index];
        const size_t end = html.find(quote, index + 1);
        const size_t stop = end == std::string_view::npos ? html.size() : end;
        value = DecodeReferences(html.substr(index + 1, stop - index - 1));
        index = stop == html.size() ? stop : stop + 1;
      } else {
        const size_t value_start = index;
        while (index < html.size() && !IsHtmlSpace(html[index]) &&
               html[index] != '>') {
          ++index;
        }
        value = DecodeReferences(html.substr(value_start, index - value_start));
      }
    }
    tag->attributes.emplace_back(std::move(name), std::move(value));
  }
}

// The tag whose '<' is at |index|, with its name starting at |name_start|.
size_t ParseTag(std::string_view html,
                size_t name_start,
                bool closing,
                Tag* tag) {
  size_t index = name_start;
  while (index < html.size() && !IsHtmlSpace(html[index]) &&
         html[index] != '/' && html[index] != '>') {
    ++index;
  }
  tag->name = Lower(html.substr(name_start, index - name_start));
  tag->closing = closing;
  return ParseAttributes(html, index, tag);
}

// True when the element's own markup hides it while the page shows |route|.
// A block with a data-route is the view of that route: once a route is
// pushed, the page's script shows it exactly when its route is the one.
bool HidesItself(const Tag& tag, std::string_view route) {
  const std::string* view = tag.Find("data-route");
  if (view && !route.empty() && IsBlock(tag.name))
    return *view != route;
  if (tag.Has("hidden"))
    return true;
  if (const std::string* style = tag.Find("style")) {
    std::string compact;
    for (char c : Lower(*style)) {
      if (!IsHtmlSpace(c))
        compact.push_back(c);
    }
    return compact.find("display:none") != std::string::npos;
  }
  return false;
}

// Where the end tag of raw text element |name| starts, searching from
// |index|; the end of |html| when it has none.
size_t FindEndTag(std::string_view html, size_t index, std::string_view name) {
  while ((index = html.find("</", index)) != std::string_view::npos) {
    const size_t name_start = index + 2;
    const size_t name_end = name_start + name.size();
    if (name_end <= html.size() &&
        Lower(html.substr(name_start, name.size())) == name &&
        (name_end == html.size() || IsHtmlSpace(html[name_end]) ||
         html[name_end] == '>' || html[name_end] == '/')) {
      return index;
    }
    index = name_start;
  }
  return html.size();
}

// Walks the document once, keeping the open elements, and gathers the text
// of the visible ones into blocks.
class Extractor {
 public:
  explicit Extractor(const VisibleTextOptions& options) : options_(options) {}

  std::vector<VisibleBlock> Run(std::string_view html) {
    size_t index = 0;
    size_t text_start = 0;
    while (index < html.size()) {
      if (html[index] != '<') {
        ++index;
        continue;
      }
      AppendText(html.substr(text_start, index - text_start));
      const size_t next = Markup(html, index);
      if (next == index) {  // A '<' that starts no markup is text.
        text_start = index;
        ++index;
        continue;
      }
      index = next;
      text_start = index;
    }
    AppendText(html.substr(text_start));
    PopTo(0);
    Flush();
    return std::move(blocks_);
  }

 private:
  struct OpenElement {
    std::string name;
    bool hides = false;
    bool replaced = false;  // Shows a text the script wrote instead.
    bool aside = false;     // A visible aside, counted in |asides_|.
    bool banner = false;    // A visible page header, in |banners_|.
    int list_number = 0;    // For ol and ul: the items so far.
  };

  // The markup at |index| ('<'): returns the index after it, or |index|
  // when there is none.
  size_t Markup(std::string_view html, size_t index) {
    const size_t rest = html.size() - index;
    if (html.substr(index, 4) == "<!--") {
      const size_t end = html.find("-->", index + 4);
      return end == std::string_view::npos ? html.size() : end + 3;
    }
    if (rest >= 2 && (html[index + 1] == '!' || html[index + 1] == '?')) {
      const size_t end = html.find('>', index + 2);
      return end == std::string_view::npos ? html.size() : end + 1;
    }
    const bool closing = rest >= 2 && html[index + 1] == '/';
    const size_t name_start = index + (closing ? 2 : 1);
    if (name_start >= html.size() || !IsAsciiLetter(html[name_start]))
      return index;
    Tag tag;
    size_t next = ParseTag(html, name_start, closing, &tag);
    if (closing) {
      EndTag(tag.name);
      return next;
    }
    StartTag(tag);
    if (IsRawText(tag.name)) {
      // Up to the matching end tag, whatever it holds.
      const size_t stop = FindEndTag(html, next, tag.name);
      AppendText(html.substr(next, stop - next));
      if (stop == html.size())
        return stop;
      Tag end_tag;
      next = ParseTag(html, stop + 2, true, &end_tag);
      EndTag(tag.name);
    }
    return next;
  }

  bool Visible() const { return hiding_ == 0; }

  // As in a browser, "/>" ends no element but a void one, which has no
  // end anyway.
  void StartTag(const Tag& tag) {
    const std::string& name = tag.name;
    CloseImplied(name);
    OpenElement element;
    element.name = name;
    element.hides = IsNeverShown(name) || HidesItself(tag, options_.route);
    if (Visible() && !element.hides) {
      ShowStart(tag);
      if (const std::string* id = tag.Find("id")) {
        auto written = options_.element_texts.find(*id);
        if (written != options_.element_texts.end()) {
          AppendPlainText(written->second);
          // Its own content is what the script replaced.
          element.hides = element.replaced = true;
        }
      }
    }
    if (IsVoid(name))
      return;
    if (name == "aside" && Visible() && !element.hides) {
      element.aside = true;
      ++asides_;
    }
    // A header outside sections heads the whole page.
    if (name == "header" && Visible() && !element.hides &&
        FindOpen({"main", "section", "article", "aside"}, {}) ==
            std::string::npos) {
      element.banner = true;
      ++banners_;
    }
    if (element.hides)
      ++hiding_;
    open_.push_back(std::move(element));
  }

  void EndTag(const std::string& name) {
    for (size_t i = open_.size(); i-- > 0;) {
      if (open_[i].name == name) {
        PopTo(i);
        return;
      }
    }
    if (name == "p" || name == "br")  // Stray ends still break the line.
      Break();
  }

  // Pops the open elements from |index| up.
  void PopTo(size_t index) {
    while (open_.size() > index) {
      OpenElement element = std::move(open_.back());
      open_.pop_back();
      if (element.hides)
        --hiding_;
      if ((!element.hides || element.replaced) && Visible())
        ShowEnd(element.name);
      if (element.aside)
        --asides_;
      if (element.banner)
        --banners_;
    }
  }

  // The open element named |name| when it is found above any of |bounds|.
  size_t FindOpen(std::initializer_list<std::string_view> names,
                  std::initializer_list<std::string_view> bounds) const {
    for (size_t i = open_.size(); i-- > 0;) {
      if (IsOneOf(open_[i].name, names))
        return i;
      if (IsOneOf(open_[i].name, bounds))
        break;
    }
    return std::string::npos;
  }

  // End tags a browser implies: a new item ends the open one, a block ends
  // an open paragraph.
  void CloseImplied(const std::string& name) {
    size_t open = std::string::npos;
    if (name == "li")
      open = FindOpen({"li"}, {"ul", "ol"});
    else if (name == "dt" || name == "dd")
      open = FindOpen({"dt", "dd"}, {"dl"});
    else if (name == "td" || name == "th")
      open = FindOpen({"td", "th"}, {"tr", "table"});
    else if (name == "tr")
      open = FindOpen({"tr"}, {"table", "thead", "tbody", "tfoot"});
    else if (name == "option")
      open = FindOpen({"option"}, {"select"});
    if (open == std::string::npos && IsBlock(name)) {
      for (size_t i = open_.size(); i-- > 0;) {
        if (open_[i].name == "p") {
          open = i;
          break;
        }
        if (IsBlock(open_[i].name))
          break;
      }
    }
    if (open != std::string::npos)
      PopTo(open);
  }

  // True when the innermost open element is a form or a fieldset, whose
  // labels stand on lines of their own.
  bool InForm() const {
    return !open_.empty() &&
           (open_.back().name == "form" || open_.back().name == "fieldset");
  }

  // A visible element starts.
  void ShowStart(const Tag& tag) {
    const std::string& name = tag.name;
    if (name == "option") {
      option_text_.clear();
      in_option_ = true;
      option_selected_ = tag.Has("selected");
      return;
    }
    if (name == "select") {
      choice_.clear();
      has_choice_ = false;
      return;
    }
    if (name == "input") {
      ShowInput(tag);
      return;
    }
    if (name == "td" || name == "th") {
      if (in_row_ && cells_ > 0)
        Glue('\t');
      ++cells_;
      if (name == "th")
        line_kind_ = VisibleBlock::Kind::kTableHeader;
      return;
    }
    if (name == "tr") {
      Break();
      in_row_ = true;
      cells_ = 0;
      line_kind_ = VisibleBlock::Kind::kTableRow;
      return;
    }
    if (name == "button") {
      // A button reads as its label in brackets.
      Separate();
      if (space_)
        line_.push_back(' ');
      Glue('[');
      return;
    }
    if (name == "label" && InForm()) {
      Break();
      return;
    }
    if (name == "br" || name == "hr") {
      Break();
      return;
    }
    if (!IsBlock(name))
      return;
    Break();
    if (const int level = HeadingLevel(name)) {
      line_kind_ = VisibleBlock::Kind::kHeading;
      line_level_ = level;
    } else if (name == "dt") {
      line_kind_ = VisibleBlock::Kind::kTerm;
    } else if (name == "li") {
      OpenElement* list = nullptr;
      for (size_t i = open_.size(); i-- > 0 && !list;) {
        if (open_[i].name == "ul" || open_[i].name == "ol")
          list = &open_[i];
      }
      if (list && list->name == "ol")
        prefix_ = std::to_string(++list->list_number) + ". ";
      else
        prefix_ = kBullet;
    }
  }

  // A visible element ends.
  void ShowEnd(const std::string& name) {
    if (name == "option") {
      in_option_ = false;
      if (!has_choice_ || option_selected_) {
        choice_ = Collapse(option_text_);
        has_choice_ = true;
      }
      option_selected_ = false;
      return;
    }
    if (name == "select") {
      if (has_choice_)
        AppendInline("[" + choice_ + "]");
      return;
    }
    if (name == "tr") {
      in_row_ = false;
      Break();
      return;
    }
    if (name == "button") {
      space_ = false;
      line_.push_back(']');
      return;
    }
    if (name == "label" && InForm()) {
      Break();
      return;
    }
    if (IsBlock(name))
      Break();
  }

  void ShowInput(const Tag& tag) {
    const std::string* type_value = tag.Find("type");
    const std::string type = type_value ? Lower(*type_value) : "text";
    const std::string* value = tag.Find("value");
    if (type == "hidden" || type == "password" || type == "file")
      return;
    if (type == "checkbox") {
      AppendInline(tag.Has("checked") ? "[x]" : "[ ]");
    } else if (type == "radio") {
      AppendInline(tag.Has("checked") ? "(o)" : "( )");
    } else if (value && !value->empty()) {
      AppendInline("[" + *value + "]");
    } else if (const std::string* placeholder = tag.Find("placeholder")) {
      AppendInline("[" + *placeholder + "]");
    } else {
      AppendInline("[ ]");
    }
  }

  // |text| as a word of its own on the current line.
  void AppendInline(const std::string& text) {
    Separate();
    if (space_)
      line_.push_back(' ');
    line_ += text;
    glued_ = false;
    Separate();
  }

  // A space between what comes before and after, unless at the start of a
  // line, a cell or a button.
  void Separate() { space_ = !line_.empty() && !glued_; }

  // |c| opens a part of the line that starts without white space.
  void Glue(char c) {
    line_.push_back(c);
    space_ = false;
    glued_ = true;
  }

  // Text of the document: shown when visible, collapsed as in normal flow.
  void AppendText(std::string_view raw) {
    if (!raw.empty() && Visible())
      AppendPlainText(DecodeReferences(raw));
  }

  // Text without references, as a script writes it.
  void AppendPlainText(const std::string& text) {
    if (in_option_) {
      option_text_ += text;
      return;
    }
    for (char c : text) {
      if (IsHtmlSpace(c)) {
        Separate();
        continue;
      }
      if (space_)
        line_.push_back(' ');
      space_ = false;
      glued_ = false;
      line_.push_back(c);
    }
  }

  // Ends the current line, unless it is a row whose cells hold blocks.
  void Break() {
    if (!in_row_)
      Flush();
  }

  void Flush() {
    if (!line_.empty()) {
      VisibleBlock block;
      block.kind = line_kind_;
      block.level = line_level_;
      block.aside = asides_ > 0;
      block.banner = banners_ > 0;
      block.text = prefix_ + line_;
      blocks_.push_back(std::move(block));
    }
    line_.clear();
    prefix_.clear();
    space_ = false;
    glued_ = false;
    line_kind_ = VisibleBlock::Kind::kText;
    line_level_ = 0;
  }

  static std::string Collapse(const std::string& text) {
    std::string collapsed;
    bool space = false;
    for (char c : text) {
      if (IsHtmlSpace(c)) {
        space = !collapsed.empty();
        continue;
      }
      if (space)
        collapsed.push_back(' ');
      space = false;
      collapsed.push_back(c);
    }
    return collapsed;
  }

  const VisibleTextOptions& options_;
  std::vector<OpenElement> open_;
  int hiding_ = 0;   // How many open elements hide their content.
  int asides_ = 0;   // How many visible asides are open.
  int banners_ = 0;  // How many visible page headers are open.

  // The line being gathered.
  std::string line_;
  std::string prefix_;  // A list item's bullet or number.
  bool space_ = false;  // White space seen since the last character.
  bool glued_ = false;  // Nothing since a tab or '[' that space would part.
  VisibleBlock::Kind line_kind_ = VisibleBlock::Kind::kText;
  int line_level_ = 0;
  bool in_row_ = false;
  int cells_ = 0;

  // The select being read: its options' texts go aside.
  bool in_option_ = false;
  bool option_selected_ = false;
  std::string option_text_;
  std::string choice_;
  bool has_choice_ = false;

  std::vector<VisibleBlock> blocks_;
};

}  // namespace

std::vector<VisibleBlock> ExtractVisibleText(
    std::string_view html,
    const VisibleTextOptions& options) {
  return Extractor(options).Run(html);
}

}  // namespace browser
}  // namespace cefsim
