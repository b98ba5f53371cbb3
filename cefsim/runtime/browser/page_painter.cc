#include "browser/page_painter.h"

#include <algorithm>

#include "text/utf_convert.h"

namespace cefsim {
namespace browser {
namespace {

// The face Debian's font configuration brings wherever Wine is installed
// (fonts-dejavu-core); it has the arrows and bold weights that Wine's own
// Tahoma lacks. GDI picks a near face where it is missing.
constexpr wchar_t kFontFace[] = L"DejaVu Sans";

// A quiet business palette: dark ink on white, a brand band on top.
constexpr COLORREF kInk = RGB(0x1f, 0x29, 0x33);
constexpr COLORREF kMuted = RGB(0x61, 0x6e, 0x7c);
constexpr COLORREF kLine = RGB(0xd9, 0xe2, 0xec);
constexpr COLORREF kPaper = RGB(0xff, 0xff, 0xff);
constexpr COLORREF kBrand = RGB(0x1d, 0x4e, 0x89);
constexpr COLORREF kBandText = RGB(0xc9, 0xd8, 0xec);
constexpr COLORREF kStateBack = RGB(0xe8, 0xf0, 0xfa);
constexpr COLORREF kAsideBack = RGB(0xf0, 0xf4, 0xf8);
constexpr COLORREF kTableHeadBack = RGB(0xf7, 0xf9, 0xfb);
constexpr COLORREF kStatusBack = RGB(0xf3, 0xf3, 0xf3);

// Sizes in pixels.
constexpr int kBandHeight = 44;
constexpr int kStateHeight = 34;
constexpr int kStatusHeight = 22;
constexpr int kMargin = 16;
constexpr int kRowHeight = 26;
constexpr int kMinAsideWidth = 240;

constexpr UINT kLineFormat =
    DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr UINT kWrapFormat = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;

// A GDI font of the painter's face, deleted with this object.
class Font {
 public:
  Font(int pixels, bool bold)
      : font_(CreateFontW(-pixels,
                          0,
                          0,
                          0,
                          bold ? FW_BOLD : FW_NORMAL,
                          FALSE,
                          FALSE,
                          FALSE,
                          DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS,
                          ANTIALIASED_QUALITY,
                          DEFAULT_PITCH | FF_SWISS,
                          kFontFace)) {}
  ~Font() { DeleteObject(font_); }
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  HFONT get() const { return font_; }

 private:
  const HFONT font_;
};

// The fonts of one paint.
struct Fonts {
  Font band{18, true};
  Font heading1{20, true};
  Font heading2{18, true};
  Font heading3{15, true};
  Font body{14, false};
  Font body_bold{14, true};
  Font small{12, false};
  Font small_bold{12, true};
};

std::wstring Wide(const std::string& utf8) {
  std::wstring wide;
  text::Utf8ToWide(utf8, &wide);
  return wide;
}

void FillArea(HDC dc, const RECT& area, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &area, brush);
  DeleteObject(brush);
}

void HorizontalLine(HDC dc, int left, int right, int y, COLORREF colour) {
  RECT line = {left, y, right, y + 1};
  FillArea(dc, line, colour);
}

// Draws |text| into |box|; returns the height it took.
int DrawIn(HDC dc,
           const std::wstring& text,
           RECT box,
           const Font& font,
           COLORREF colour,
           UINT format) {
  SelectObject(dc, font.get());
  SetTextColor(dc, colour);
  RECT measure = box;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure,
            format | DT_CALCRECT);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
  return measure.bottom - measure.top;
}

// The width |text| takes in |font|.
int TextWidth(HDC dc, const std::wstring& text, const Font& font) {
  SelectObject(dc, font.get());
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

std::vector<std::wstring> SplitCells(const std::string& row) {
  std::vector<std::wstring> cells;
  size_t start = 0;
  while (true) {
    const size_t tab = row.find('\t', start);
    cells.push_back(Wide(row.substr(start, tab - start)));
    if (tab == std::string::npos)
      return cells;
    start = tab + 1;
  }
}

// One column of blocks, painted from the top down; what does not fit is
// cut off at the column's bottom.
class Column {
 public:
  Column(HDC dc, const Fonts& fonts, const RECT& box)
      : dc_(dc), fonts_(fonts), box_(box), y_(box.top) {}

  void Paint(const VisibleBlock& block) {
    if (y_ >= box_.bottom)
      return;
    switch (block.kind) {
      case VisibleBlock::Kind::kHeading:
        PaintHeading(block);
        break;
      case VisibleBlock::Kind::kTerm:
        y_ += first_ ? 0 : 6;
        y_ += Wrap(block.text, fonts_.small_bold, kMuted) + 2;
        break;
      case VisibleBlock::Kind::kTableHeader:
      case VisibleBlock::Kind::kTableRow:
        PaintRow(block);
        break;
      case VisibleBlock::Kind::kText:
        y_ += Wrap(block.text, fonts_.body, kInk) + 6;
        break;
    }
    first_ = false;
  }

 private:
  int Wrap(const std::string& text, const Font& font, COLORREF colour) {
    RECT box = {box_.left, y_, box_.right, box_.bottom};
    return DrawIn(dc_, Wide(text), box, font, colour, kWrapFormat);
  }

  void PaintHeading(const VisibleBlock& block) {
    const Font& font = block.level <= 1   ? fonts_.heading1
                       : block.level == 2 ? fonts_.heading2
                                          : fonts_.heading3;
    y_ += first_ ? 0 : 10;
    y_ += Wrap(block.text, font, kInk) + 6;
  }

  // A table row: its cells in equal columns, a header row shaded.
  void PaintRow(const VisibleBlock& block) {
    const std::vector<std::wstring> cells = SplitCells(block.text);
    const bool header = block.kind == VisibleBlock::Kind::kTableHeader;
    RECT row = {box_.left, y_, box_.right, y_ + kRowHeight};
    if (header)
      FillArea(dc_, row, kTableHeadBack);
    const int width = (box_.right - box_.left) / static_cast<int>(cells.size());
    for (size_t i = 0; i < cells.size(); ++i) {
      RECT cell = {box_.left + static_cast<int>(i) * width + 6, row.top,
                   box_.left + static_cast<int>(i + 1) * width - 4, row.bottom};
      DrawIn(dc_, cells[i], cell, header ? fonts_.small_bold : fonts_.body,
             header ? kMuted : kInk, kLineFormat);
    }
    HorizontalLine(dc_, box_.left, box_.right, row.bottom - 1, kLine);
    y_ = row.bottom;
  }

  const HDC dc_;
  const Fonts& fonts_;
  const RECT box_;
  int y_;
  bool first_ = true;
};

// True for a heading that only repeats the title the band shows.
bool RepeatsTitle(const VisibleBlock& block, const std::string& title) {
  return block.kind == VisibleBlock::Kind::kHeading &&
         title.compare(0, block.text.size(), block.text) == 0;
}

// The band on top: the page's title as its heading, and on its right what
// the page's own header says (its navigation, its badges).
void PaintBand(HDC dc,
               const Fonts& fonts,
               const RECT& area,
               const PagePicture& picture) {
  RECT band = {area.left, area.top, area.right, area.top + kBandHeight};
  FillArea(dc, band, kBrand);
  band.left += kMargin;
  band.right -= kMargin;
  const std::wstring title =
      Wide(picture.title.empty() ? picture.url : picture.title);
  DrawIn(dc, title, band, fonts.band, kPaper, kLineFormat);

  std::string header;
  for (const VisibleBlock& block : picture.blocks) {
    if (!block.banner || RepeatsTitle(block, picture.title))
      continue;
    header += (header.empty() ? "" : "     ") + block.text;
  }
  band.left += TextWidth(dc, title, fonts.band) + 3 * kMargin;
  if (!header.empty() && band.left < band.right) {
    DrawIn(dc, Wide(header), band, fonts.body, kBandText,
           (kLineFormat & ~DT_LEFT) | DT_RIGHT);
  }
}

// Below the band: which view the page shows and what the host answered
// last, the two things the host's developer looks for.
void PaintState(HDC dc,
                const Fonts& fonts,
                const RECT& area,
                const PagePicture& picture) {
  RECT strip = {area.left, area.top + kBandHeight, area.right,
                area.top + kBandHeight + kStateHeight};
  FillArea(dc, strip, kStateBack);
  HorizontalLine(dc, strip.left, strip.right, strip.bottom - 1, kLine);

  const std::wstring route_label = L"View";
  const std::wstring route = !picture.has_route      ? L"none shown yet"
                             : picture.route.empty() ? L"(empty route)"
                                                     : Wide(picture.route);
  const std::wstring answer_label = L"Last answer";
  // The page's own arrow between request and answer.
  const std::wstring answer = !picture.has_answer
                                  ? L"none yet"
                                  : Wide(picture.last_request) + L" \x2192 " +
                                        Wide(picture.last_answer);

  int x = strip.left + kMargin;
  RECT box = {x, strip.top, strip.right - kMargin, strip.bottom};
  DrawIn(dc, route_label, box, fonts.small, kMuted, kLineFormat);
  box.left += TextWidth(dc, route_label, fonts.small) + 8;
  DrawIn(dc, route, box, fonts.body_bold, kBrand, kLineFormat);
  box.left += std::max(TextWidth(dc, route, fonts.body_bold) + 32, 140);
  DrawIn(dc, answer_label, box, fonts.small, kMuted, kLineFormat);
  box.left += TextWidth(dc, answer_label, fonts.small) + 8;
  DrawIn(dc, answer, box, fonts.body_bold, kInk, kLineFormat);
}

// The bottom strip: the URL and the last script the host ran.
void PaintStatus(HDC dc,
                 const Fonts& fonts,
                 const RECT& area,
                 const PagePicture& picture) {
  RECT strip = {area.left, area.bottom - kStatusHeight, area.right,
                area.bottom};
  FillArea(dc, strip, kStatusBack);
  HorizontalLine(dc, strip.left, strip.right, strip.top, kLine);
  std::string text = picture.url;
  if (!picture.last_script.empty())
    text += "    Last script: " + picture.last_script;
  strip.left += 8;
  strip.right -= 8;
  DrawIn(dc, Wide(text), strip, fonts.small, kMuted, kLineFormat);
}

}  // namespace

void PaintPage(HDC dc, const RECT& area, const PagePicture& picture) {
  const Fonts fonts;
  const int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  FillArea(dc, area, kPaper);
  PaintBand(dc, fonts, area, picture);
  PaintState(dc, fonts, area, picture);

  RECT content = {area.left, area.top + kBandHeight + kStateHeight, area.right,
                  area.bottom - kStatusHeight};
  const bool has_aside =
      std::any_of(picture.blocks.begin(), picture.blocks.end(),
                  [](const VisibleBlock& block) { return block.aside; });
  RECT main_box = {content.left + kMargin, content.top + 12,
                   content.right - kMargin, content.bottom - 8};
  RECT aside_box = main_box;
  if (has_aside) {
    const int width = content.right - content.left;
    const int aside_left =
        content.right - std::max(kMinAsideWidth, width * 34 / 100);
    RECT aside_back = {aside_left, content.top, content.right, content.bottom};
    FillArea(dc, aside_back, kAsideBack);
    RECT border = {aside_left, content.top, aside_left + 1, content.bottom};
    FillArea(dc, border, kLine);
    main_box.right = aside_left - kMargin;
    aside_box.left = aside_left + kMargin;
  }
  PaintStatus(dc, fonts, area, picture);
  IntersectClipRect(dc, content.left, content.top, content.right,
                    content.bottom);
  Column main_column(dc, fonts, main_box);
  Column aside_column(dc, fonts, aside_box);
  for (const VisibleBlock& block : picture.blocks) {
    if (!block.banner)
      (block.aside ? aside_column : main_column).Paint(block);
  }
  // Puts the DC's own font back before ours are deleted.
  RestoreDC(dc, saved);
}

}  // namespace browser
}  // namespace cefsim
