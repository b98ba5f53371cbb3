// Paints the page a simulated browser window holds, with GDI: the title as
// a heading band that also carries the page's own header, the route and
// the last answer the page got, the document's visible text (its aside in
// a column of its own) and a status strip with the URL and the last
// script. The simulated runtime has no layout engine;
// this shows enough of the page that a person sees which application and
// which view the window holds.
#ifndef CEFSIM_RUNTIME_BROWSER_PAGE_PAINTER_H_
#define CEFSIM_RUNTIME_BROWSER_PAGE_PAINTER_H_

#include <windows.h>

#include <string>
#include <vector>

#include "browser/html_visible_text.h"

namespace cefsim {
namespace browser {

struct PagePicture {
  std::string url;
  std::string title;  // As the window shows it; empty: the URL stands in.
  bool has_route = false;
  std::string route;
  bool has_answer = false;
  std::string last_request;  // The request of the latest answer,
  std::string last_answer;   // and that answer.

  std::string last_script;
  std::vector<VisibleBlock> blocks;
};

// Paints |picture| into |area| of |dc|. UI thread (the window's).
void PaintPage(HDC dc, const RECT& area, const PagePicture& picture);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_PAGE_PAINTER_H_
